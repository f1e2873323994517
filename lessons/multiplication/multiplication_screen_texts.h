#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the multiplication screen: its prompts, its message box and its hint.
namespace multiplicationScreen {

inline const QString menuPrompt = QStringLiteral("メニューを えらんでね！");
inline const QString nextPrompt = QStringLiteral("「つぎへ」ボタンで すすめてね！");
// Item 1 in study mode: this prompt closes with a bracket after its exclamation mark.
inline const QString expressionAnswerPrompt = QStringLiteral("「こたえ」ボタンを おしてね！」");
inline const QString expressionSelectPrompt =
    QStringLiteral("かけられる数を「ひだり」で、かける数を「みぎ」で\rえらんでから ◆を おしてね！");
// Items 4 and 5 in study mode.
inline const QString answerPrompt = QStringLiteral("「こたえ」ボタンを おしてね！");
// Item 3 in either mode, items 4 and 5 in test mode.
inline const QString selectPrompt = QStringLiteral("こたえを えらんでから ◆を おしてね！");
inline const QString hintShownPrompt = QStringLiteral("もういちど「ポイント」ボタンを おせば きえるよ！");
inline const QString hintHiddenPrompt = menuPrompt;

// The mode button's answer on 九九の おぼえかた, which has nothing to test.
inline const QString noTestMessage = QStringLiteral("このメニューには テストは ないよ。");

// The caption of こたえ whenever an item-1 problem is asked in study mode.
inline const QString answerCaption = QStringLiteral("こたえ");

// The selectors' captions: ひだり and みぎ for the expression, 十 and 一 for a number.
inline const QString expressionLeftCaption = QStringLiteral("ひだり");
inline const QString expressionRightCaption = QStringLiteral(" みぎ");
inline const QString tensCaption = QStringLiteral("\u3000十");
inline const QString onesCaption = QStringLiteral("\u3000一");

// Memo1, line by line: how an expression is written and which number goes where.
QStringList hintLines();

} // namespace multiplicationScreen
