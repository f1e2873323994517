// What goes wrong on a family's machine — sounds, the help file, the tables,
// the disk — met by the handlers of the whole program: each fault ends in the
// standard error report (the help window tells its own), nothing is lost, and
// the program works on the next event, or reports again and goes on where the
// fault persists. The real media device meets the sound faults, the real help
// window the help file, and the real tables of a fresh kyozai copy the table
// faults; "no audio output" runs in a child process with no sound server.
#include "app/application_info.h"
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"
#include "tests/support/sound_server.h"
#include "tests/support/temp_kyozai.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTextBrowser>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
#include <sys/resource.h>

namespace {

enum class Fault {
    OtoMissing,
    WavMissing,
    WavNotAudio,
    WavCutShort,
    NoAudioOutput,
    HelpMissing,
    KyozaiMissing,
    TableMissing,
    ReadOnly,
    Garbage,
    Truncated,
    DiskFull,
};

// Actions: the driver's words (tests/support/screen_driver.h), and "mend",
// which undoes the fault.
// Checks, separated by "; ": "button N on|off", "list N on|off", "label N <text>", "ends N
// <text>", "filled N", "shown <name>", "hidden <name>", "ones N", "tens N",
// "rows N" (dorill's rows in the file, which passes its integrity check),
// "help <text>" (in the help window) and "information <text>".
struct Step {
    QStringList actions;
    bool reports; // ends in one standard error report that names the fault
    QString check;
};

struct FaultRow {
    const char* name;
    Fault fault;
    const char* screen;
    QStringList setup;
    QString report; // in the report's message, or the help window's
    QList<Step> steps;
};

const QList<FaultRow>& faultRows() {
    // The problem label holds an open problem.
    const QString open = QStringLiteral("ends 4 = ?");
    static const QList<FaultRow> rows = {
        {"oto missing",
         Fault::OtoMissing,
         "Form3",
         {"open"},
         "oto/pipo.wav",
         {{{"menu 0"}, true, "button 4 on; label 3 「つぎへ」ボタンで すすめてね！"},
          // The fault persists: every cue reports, and every handler does its part before it.
          {{"next"}, true, open + "; button 5 on"},
          {{"mend", "answer"}, false, "button 4 on; label 3 「つぎへ」ボタンで すすめてね！"}}},
        {"one WAV missing",
         Fault::WavMissing,
         "Form3",
         {"open", "menu 0", "mode", "next"},
         "oto/bubuu.wav",
         // ◆ ends at its cue: the × is shown, つぎへ is not enabled yet.
         {{{"submit"}, true, "label 6 ×; button 4 off"}, {{"menu 0"}, false, "button 4 on"}}},
        {"a WAV that is not audio",
         Fault::WavNotAudio,
         "Form3",
         {"open", "menu 0", "mode", "next"},
         "oto/bun.wav",
         {{{"pick 2 5"}, true, "ones 5"}, {{"pick 3 1"}, true, "tens 10"}, {{"submit"}, false, "filled 6"}}},
        // A half-copied file: its header, no samples. The next cue still plays.
        {"a WAV cut after its header",
         Fault::WavCutShort,
         "Form3",
         {"open", "menu 0", "mode", "next"},
         "こわれています",
         {{{"pick 2 5"}, true, "ones 5"}, {{"submit"}, false, "filled 6"}}},
        {"no audio output",
         Fault::NoAudioOutput,
         "Form3",
         {},
         "オーディオ出力",
         {{{"open"}, true, "label 3 メニューを えらんでね！"},
          {{"menu 0"}, true, "button 4 on"},
          {{"next"}, true, open}}},
        {"the help file missing",
         Fault::HelpMissing,
         "Form1",
         {},
         "ヘルプ ファイルが ひらけません",
         {{{"help"}, false, "help ヘルプ ファイルが ひらけません; help ポルナ.hlp"},
          {{"version"}, false, "information ポルナ\r\nVersion 1.2"},
          {{"mend", "help"}, false, "help ポルナ の つかいかた"}}},
        {"kyozai missing",
         Fault::KyozaiMissing,
         "Form12",
         {"open"},
         "kuku.db",
         {{{"menu 1"}, true, "hidden DBGrid1"}, {{"menu 0"}, false, "button 4 on"}}},
        {"one table file missing",
         Fault::TableMissing,
         "Form2",
         {"open", "menu 0"},
         "kazu.db",
         {{{"hint"}, true, "hidden DBGrid1"}, {{"menu 2", "hint"}, false, "shown Memo1"}}},
        {"the database read-only",
         Fault::ReadOnly,
         "Form8",
         {"open", "menu 0", "time 0"},
         "dorill.db",
         // スタート cannot empty the table: the rows of the last run stay.
         {{{"start"}, true, "rows 2; " + open},
          {{"submit"}, true, "rows 2"},
          {{"mend", "submit"}, false, "rows 3"}}},
        {"a table file garbage",
         Fault::Garbage,
         "Form5",
         {"open", "menu 0", "time 0"},
         "dorill.db",
         {{{"start"}, true, open}, {{"submit"}, true, "filled 3"}, {{"menu 1"}, false, "list 2 on"}}},
        {"a table file truncated",
         Fault::Truncated,
         "Form12",
         {"open"},
         "kuku.db",
         {{{"menu 1"}, true, "hidden DBGrid1"}, {{"menu 0"}, false, "button 4 on"}}},
        {"the disk full while posting",
         Fault::DiskFull,
         "Form8",
         {"open", "menu 0", "time 0", "start", "submit", "next", "submit"},
         "dorill.db",
         {{{"next", "submit"}, true, "rows 2"},
          {{"submit"}, true, "rows 2"},
          {{"mend", "submit"}, false, "rows 3"}}},
    };
    return rows;
}

// The build's program folder: oto/ and the help file beside the program.
QString builtProgramFolder() {
    for (QDir dir(QCoreApplication::applicationDirPath());;) {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("oto/pipo.wav"))))
            return dir.path() + u'/';
        if (!dir.cdUp())
            return {};
    }
}

bool copyProgramFiles(const QString& folder) {
    const QString built = builtProgramFolder();
    if (built.isEmpty() || !QDir(folder).mkdir(QStringLiteral("oto")))
        return false;
    bool copied = QFile::copy(built + QStringLiteral("ポルナ.hlp"), folder + QStringLiteral("ポルナ.hlp"));
    for (const QString& wav : QDir(built + QStringLiteral("oto")).entryList({QStringLiteral("*.wav")}))
        copied = copied &&
                 QFile::copy(built + QStringLiteral("oto/") + wav, folder + QStringLiteral("oto/") + wav);
    return copied;
}

// Two answers of a run before this one, written as the drills write them.
bool seedEarlierRun(const QString& dorill) {
    const QString connection = QStringLiteral("seed-earlier-run");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(dorill);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("insert into dorill values (1, '\u300012 + 34', 46, 46, ' ○')")) &&
                 q.exec(QStringLiteral("insert into dorill values (2, '\u300050 + 7', 57, 56, ' ×')"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

// Every file of the tables' folders, by path, with its bytes.
QMap<QString, QByteArray> tableFiles(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, {QStringLiteral("kyozai*")}, QDir::AllEntries | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        if (entry.isFile()) {
            QFile f(entry.filePath());
            files.insert(entry.fileName(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
            continue;
        }
        files.insert(entry.fileName() + u'/', {});
        for (const QFileInfo& file : QDir(entry.filePath()).entryInfoList(QDir::Files)) {
            QFile f(file.filePath());
            files.insert(entry.fileName() + u'/' + file.fileName(),
                         f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
        }
    }
    return files;
}

template <class Interface> class Installed {
public:
    explicit Installed(Interface* replacement)
        : old_(Seam<Interface>::install(std::unique_ptr<Interface>(replacement))) {}
    ~Installed() { Seam<Interface>::install(std::move(old_)); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

private:
    std::unique_ptr<Interface> old_;
};

bool usesRealSound(Fault f) {
    return f == Fault::OtoMissing || f == Fault::WavMissing || f == Fault::WavNotAudio ||
           f == Fault::WavCutShort || f == Fault::NoAudioOutput;
}

// One row: the program started on a fresh program folder, the setup done,
// the fault made, then each step checked. Returns what went wrong, or nothing.
class FaultRun {
public:
    explicit FaultRun(const FaultRow& row) : row_(row), folder_(kyozai_.folder() + u'/') {}

    QString run() {
        if (!copyProgramFiles(folder_) || !seedEarlierRun(kyozai_.kyozai(QStringLiteral("dorill.db"))))
            return QStringLiteral("cannot prepare the program folder");
        platform_.clock->at = QDateTime(QDate(2026, 12, 8), QTime(10, 0));
        Installed<RandomSource> random(new SeededRandom(7));
        lessonState() = LessonState{};
        startUp();
        const struct Down {
            ~Down() { shutDown(); }
        } down;
        // The program as installed in the fresh folder; its cues at start-up went to the fake device.
        lessonState().programFolder = folder_;
        setApplicationHelpFile(folder_ + QStringLiteral("ポルナ.hlp"));
        std::optional<Installed<MediaDevice>> realSound;
        if (usesRealSound(row_.fault))
            realSound.emplace(nullptr);
        std::optional<Installed<HelpViewer>> realHelp;
        if (row_.fault == Fault::HelpMissing)
            realHelp.emplace(nullptr);
        driver_ =
            ScreenDriver(row_.screen == QLatin1String("Form1") ? static_cast<QWidget*>(Form1)
                                                               : Form1->findChild<QWidget*>(row_.screen));
        driver_.failed = [this](const QString& what) { fail(what); };
        for (const QString& action : row_.setup)
            act(action);
        if (const QStringList reports = errorReports(); !reports.isEmpty())
            return QStringLiteral("the setup was reported: ") + reports.join(u'|');
        makeFault();
        const QMap<QString, QByteArray> before = tableFiles(folder_);
        for (int i = 0; i < row_.steps.size() && failure_.isEmpty(); ++i) {
            const Step& step = row_.steps.at(i);
            const int shown = int(errorReports().size());
            for (const QString& action : step.actions)
                act(action);
            const QStringList reports = errorReports().mid(shown);
            const QString where = QStringLiteral("step %1 (%2): ").arg(i + 1).arg(step.actions.join(u' '));
            if (step.reports && (reports.size() != 1 || !reports.first().contains(row_.report)))
                fail(where + QStringLiteral("expected one report naming %1, saw [%2]")
                                 .arg(row_.report, reports.join(u'|')));
            else if (!step.reports && !reports.isEmpty())
                fail(where + QStringLiteral("reported ") + reports.join(u'|'));
            for (const QString& check : step.check.split(QStringLiteral("; "), Qt::SkipEmptyParts))
                if (const QString broken = checkFails(check); !broken.isEmpty())
                    fail(where + broken);
            if (step.reports && tableFiles(folder_) != before)
                fail(where + QStringLiteral("the tables' files changed"));
        }
        mend();
        return failure_;
    }

private:
    void fail(const QString& what) {
        if (failure_.isEmpty())
            failure_ = what;
    }

    QStringList errorReports() const {
        QStringList reports;
        for (const QString& box : platform_.boxes->shown)
            if (box.startsWith(QLatin1String("error: ")))
                reports << box.mid(7);
        return reports;
    }

    void act(const QString& action) {
        if (action == QLatin1String("mend"))
            mend();
        else
            driver_.act(action);
    }

    QString helpText() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("HelpWindow") && w->isVisible())
                if (auto* text = w->findChild<QTextBrowser*>(QStringLiteral("HelpText")))
                    return text->toPlainText();
        return {};
    }

    QString checkFails(const QString& check) const {
        const QString word = check.section(u' ', 0, 0);
        const QString arg = check.section(u' ', 1, 1);
        const QString rest = check.section(u' ', 2);
        const QString label = driver_.caption(arg.toInt());
        bool holds = false;
        QString saw;
        if (word == QLatin1String("button") || word == QLatin1String("list")) {
            const QWidget* w = driver_.child((word == QLatin1String("button") ? QStringLiteral("CuteButton")
                                                                              : QStringLiteral("ComboBox")) +
                                             arg);
            holds = w && w->isEnabled() == (rest == QLatin1String("on"));
        } else if (word == QLatin1String("label")) {
            holds = label == rest;
            saw = label;
        } else if (word == QLatin1String("ends")) {
            holds = !label.isEmpty() && label.endsWith(rest);
            saw = label;
        } else if (word == QLatin1String("filled")) {
            holds = !label.isEmpty();
        } else if (word == QLatin1String("shown") || word == QLatin1String("hidden")) {
            const QWidget* w = driver_.child(arg);
            holds = w && w->isVisible() == (word == QLatin1String("shown"));
        } else if (word == QLatin1String("ones") || word == QLatin1String("tens")) {
            const int value =
                word == QLatin1String("ones") ? lessonState().digitOnes : lessonState().digitTens;
            holds = value == arg.toInt();
            saw = QString::number(value);
        } else if (word == QLatin1String("rows")) {
            const QString dorill = kyozai_.kyozai(QStringLiteral("dorill.db"));
            const auto integrity = rowsInFile(dorill, QStringLiteral("pragma integrity_check"));
            const auto rows = rowsInFile(dorill, QStringLiteral("select NB from dorill"));
            holds =
                rows.size() == arg.toInt() && integrity.value(0).value(0).toString() == QLatin1String("ok");
            saw = QStringLiteral("%1 rows, %2").arg(rows.size()).arg(integrity.value(0).value(0).toString());
        } else if (word == QLatin1String("help")) {
            saw = helpText();
            holds = saw.contains(check.section(u' ', 1));
        } else if (word == QLatin1String("information")) {
            const QStringList& shown = platform_.boxes->shown;
            holds =
                !shown.isEmpty() && shown.last() == QStringLiteral("information: ") + check.section(u' ', 1);
            saw = shown.value(shown.size() - 1);
        }
        return holds ? QString() : QStringLiteral("\"%1\" does not hold (%2)").arg(check, saw);
    }

    // --- the faults ---

    QString path(const QString& relative) const { return folder_ + relative; }

    bool moveAway(const QString& relative, const QString& to) {
        moved_.append({path(relative), path(to)});
        return QFile::rename(path(relative), path(to)) || QDir().rename(path(relative), path(to));
    }

    void makeFault() {
        bool made = true;
        switch (row_.fault) {
        case Fault::OtoMissing:
            made = moveAway(QStringLiteral("oto"), QStringLiteral("oto-gone"));
            break;
        case Fault::WavMissing:
            made = moveAway(QStringLiteral("oto/bubuu.wav"), QStringLiteral("bubuu.wav.gone"));
            break;
        case Fault::WavNotAudio:
        case Fault::WavCutShort: {
            QFile wav(path(QStringLiteral("oto/bun.wav")));
            made = wav.open(QIODevice::ReadOnly);
            kept_ = wav.readAll();
            wav.close();
            const QByteArray broken = row_.fault == Fault::WavCutShort
                                          ? kept_.left(44)
                                          : QByteArray("these are not the sounds you are looking for\n");
            made = made && wav.open(QIODevice::WriteOnly | QIODevice::Truncate) && wav.write(broken) > 0;
            break;
        }
        case Fault::NoAudioOutput:
            break; // the child process has no sound server
        case Fault::HelpMissing:
            made = moveAway(QStringLiteral("ポルナ.hlp"), QStringLiteral("help-gone"));
            break;
        case Fault::KyozaiMissing:
            made = moveAway(QStringLiteral("kyozai"), QStringLiteral("kyozai-gone"));
            break;
        case Fault::TableMissing:
            made = moveAway(QStringLiteral("kyozai/kazu.db"), QStringLiteral("kazu.db.gone"));
            break;
        case Fault::ReadOnly:
            made = QFile::setPermissions(kyozai_.kyozai(QStringLiteral("dorill.db")),
                                         QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther) &&
                   QFile::setPermissions(kyozai_.kyozai(), QFile::ReadOwner | QFile::ExeOwner |
                                                               QFile::ReadGroup | QFile::ExeGroup |
                                                               QFile::ReadOther | QFile::ExeOther);
            // Taken away by the owner; the program then runs as one who may not write.
            ordinaryUser_.emplace();
            break;
        case Fault::Garbage: {
            QFile table(kyozai_.kyozai(QStringLiteral("dorill.db")));
            made = table.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   table.write(QByteArray(8192, '#')) == 8192;
            break;
        }
        case Fault::Truncated: {
            QFile table(kyozai_.kyozai(QStringLiteral("kuku.db")));
            made = table.resize(table.size() / 2);
            break;
        }
        case Fault::DiskFull: {
            // Nothing may be written past the first 4096 bytes of a file, as on a full disk (the
            // engine, told EFBIG, says "disk I/O error").
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            fileSizeLimit_ = limit;
            limit.rlim_cur = 4096;
            std::signal(SIGXFSZ, SIG_IGN);
            made = setrlimit(RLIMIT_FSIZE, &limit) == 0;
            break;
        }
        }
        if (!made)
            fail(QStringLiteral("cannot make the fault"));
    }

    void mend() {
        for (auto it = moved_.crbegin(); it != moved_.crend(); ++it)
            QFile::rename(it->second, it->first) || QDir().rename(it->second, it->first);
        moved_.clear();
        if (!kept_.isEmpty()) {
            QFile wav(path(QStringLiteral("oto/bun.wav")));
            if (wav.open(QIODevice::WriteOnly | QIODevice::Truncate))
                wav.write(kept_);
            kept_.clear();
        }
        if (ordinaryUser_) {
            ordinaryUser_.reset();
            QFile::setPermissions(kyozai_.kyozai(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                        QFile::ReadOther | QFile::WriteOther |
                                                        QFile::ExeOther);
            QFile::setPermissions(kyozai_.kyozai(QStringLiteral("dorill.db")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                      QFile::WriteOther);
        }
        if (fileSizeLimit_) {
            setrlimit(RLIMIT_FSIZE, &*fileSizeLimit_);
            fileSizeLimit_.reset();
        }
    }

    const FaultRow& row_;
    TempKyozai kyozai_;
    QString folder_;
    FakePlatform platform_;
    ScreenDriver driver_{nullptr};
    QString failure_;
    QList<std::pair<QString, QString>> moved_;
    QByteArray kept_;
    std::optional<OrdinaryUser> ordinaryUser_;
    std::optional<rlimit> fileSizeLimit_;
};

QString runFaultRow(int row) {
    return FaultRun(faultRows().at(row)).run();
}

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void faultEndsInTheReportAndNothingIsLost_data();
    void faultEndsInTheReportAndNothingIsLost();
    void cleanupTestCase() { delete sound_; }

private:
    SoundServer* sound_ = nullptr;
};

void FaultsTest::initTestCase() {
    sound_ = new SoundServer;
    if (!sound_->running())
        QFAIL("no sound server (pulseaudio) for the real media device");
    sound_->useInThisProcess();
}

void FaultsTest::faultEndsInTheReportAndNothingIsLost_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < faultRows().size(); ++i)
        QTest::newRow(faultRows().at(i).name) << i;
}

void FaultsTest::faultEndsInTheReportAndNothingIsLost() {
    QFETCH(int, row);
    if (faultRows().at(row).fault != Fault::NoAudioOutput) {
        const QString broken = runFaultRow(row);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        return;
    }
    // A machine without sound: no server to find, anywhere.
    QTemporaryDir nowhere;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), nowhere.path());
    environment.insert(QStringLiteral("HOME"), nowhere.path());
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + nowhere.filePath("none"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--fault-row"), QString::number(row)});
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output));
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--fault-row") {
        const QString broken = runFaultRow(QByteArray(argv[2]).toInt());
        fprintf(stdout, "%s\n", qPrintable(broken.isEmpty() ? QStringLiteral("ok") : broken));
        return broken.isEmpty() ? 0 : 1;
    }
    FaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_faults.moc"
