#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

class QTimer;
class CaptionLabel;
class CaptionedList;
class Shape;
class StatusBar;
class TCuteButton;

// A decimal place of the digit selectors.
enum class DigitPlace { TenThousands, Thousands, Hundreds, Tens, Ones };

// The pattern every lesson screen follows: the window, the shared buttons, the
// digit selectors and ◆, the study/test switch, the hint toggle and the clock.
// Each screen builds its own controls, sets the hooks below, and overrides a
// handler only where its lesson departs from the pattern.
class LessonScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr int screenWidth = 955;
    static constexpr int screenHeight = 716;

    // The shared handlers, as the controls call them.
    virtual void FormShow();
    virtual void ComboBox1Change(int index);
    virtual void CuteButton3Click();
    virtual void CuteButton4Click();
    virtual void CuteButton5Click();
    virtual void DigitPicked(DigitPlace place, int index);
    virtual void SubmitPicked();
    virtual void CuteButton6Click();
    void CuteButton2Click();
    void CuteButton1Click();
    void Timer1Timer();

    // Per-screen routines over the screen's numbered controls.
    virtual void ClearWork() = 0;
    virtual void ShowDigitSelectors();
    virtual void MakeProblem() {}
    virtual void ShowWorkedAnswer() {}
    // After つぎへ has put up a test problem and its selectors; a screen that
    // takes its answer in parts gets that entry ready here.
    virtual void PrepareTestEntry() {}

    CaptionLabel* label(int number) const;
    CaptionedList* comboBox(int number) const;
    TCuteButton* cuteButton(int number) const;

protected:
    LessonScreen(QWidget* parent, const QString& objectName, const QString& windowCaption,
                 int height = screenHeight);

    // --- building the frame ---
    void addTitle(const QString& shapeName, const QRect& frame, QPoint at, const QString& title);
    void addPrompt(const QString& labelName, QPoint at, QPoint pictureAt,
                   const QString& pictureName = QStringLiteral("Image1"));
    void addMenu(const QRect& box, const QString& caption, const QStringList& entries);
    // おわる and もくじへ at the given places.
    void addExitButtons(QPoint quitAt, QPoint backAt);
    // The mode button, つぎへ, こたえ/ステップ and ポイント; a zero point leaves a button out.
    void addLessonButtons(QPoint modeAt, QPoint nextAt, QPoint answerAt, const QString& answerCaption,
                          QPoint hintAt);
    struct DigitList {
        DigitPlace place;
        int comboBox;
        QRect box;
    };
    void addDigitSelectors(const QList<DigitList>& lists, int submitComboBox, const QRect& submitBox);
    void addVerdictLabel(int number, const QRect& box);
    void addStatusBar(int firstPanelWidth);
    void setHint(QWidget* hint, int top, std::uint32_t cue);
    // Connects every shared control that exists to its handler, through the guard.
    void connectSharedHandlers();

    // Clears and hides numbered ranges, for ClearWork.
    void clearLabels(int first, int last);
    void hideComboBoxes(int first, int last);
    void hideHint();
    void setPrompt(const QString& text);
    QString prompt() const;

    // The equation shown when ◆ is picked; the default is the problem label's
    // open equation with its "?" replaced by the right answer.
    virtual QString completedProblem() const;
    // ○ or × in the verdict label, with its cue.
    void showVerdict(bool right);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // --- screen settings ---
    bool hasModeMenu_ = true;       // a menu whose choice (and the show) sets `mode`
    bool showSetsStudyMode_ = true; // the show handler puts the screen in study mode
    CaptionLabel* promptLabel_ = nullptr;
    CaptionLabel* problemLabel_ = nullptr; // where ◆ shows the completed problem
    CaptionLabel* verdictLabel_ = nullptr;
    QList<DigitList> digitLists_;
    int submitComboBox_ = 0;
    QWidget* hint_ = nullptr;
    int hintTop_ = 0;
    std::uint32_t hintCue_ = 19;
    QString waitingPrompt_ = QStringLiteral("メニューを えらんでね！");
    QString studyPrompt_ = QStringLiteral("「こたえ」ボタンを おしてね！");
    QString testPrompt_ = QStringLiteral("こたえを えらんでから ◆を おしてね！");
    QString hintHiddenPrompt_ = QStringLiteral("メニューを えらんでね！");
    // The number of ステップ steps where CuteButton5 walks through the
    // explanation step by step; 0 where it is こたえ and shows it at once.
    int explanationSteps_ = 0;

    static const QString nextPrompt; // 「つぎへ」ボタンで すすめてね！
    static const QString hintShownPrompt; // もういちど「ポイント」ボタンを おせば きえるよ！
    static const QString stepPrompt; // 「ステップ」ボタンで すすめてね！

private:
    void showNextStep();

    QTimer* clockTimer_ = nullptr;
};

// The caption a digit selector shows for its place.
QString placeCaption(DigitPlace place);
// The LessonState digit field of a place.
int& digitField(DigitPlace place);
