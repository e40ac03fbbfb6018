// LogError and the handler guard against a fake desktop: what reaches the log file, in which
// order relative to the message box, and what each guard variant reports or swallows.
#include "errors/core/error_context.h"
#include "errors/core/failure.h"
#include "errors/ui/guard.h"
#include "errors/ui/log_error.h"
#include "platform/services.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

using namespace vexmoor;

namespace {

constexpr const char* kNow = "12/6/2026 3:04:05 PM";

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Records every message box; also what the log file held at the moment the box came up.
class RecordingServices : public platform::Services
{
public:
    struct Shown
    {
        QString text;
        QString title;
        QByteArray logAtShow;
    };

    QString folder;
    QString baseName = QStringLiteral("vexmoor");
    bool throwInFolder = false;
    bool throwInShow = false;
    std::vector<Shown> shown;

    QString LogPath() const { return folder + QLatin1Char('/') + baseName + "ERR.txt"; }

    void ShowMessage(const QString& text, const QString& title) override
    {
        shown.push_back({text, title, ReadAll(LogPath())});
        if (throwInShow)
            throw std::runtime_error("box failed");
    }
    void Beep() override { }
    void OpenUrl(const QString&) override { }
    QString ExecutableFolder() override
    {
        if (throwInFolder)
            throw std::runtime_error("no folder");
        return folder;
    }
    QString ExecutableBaseName() override { return baseName; }
    QString LocalDateTimeText() override { return QString::fromLatin1(kNow); }
};

QByteArray Record(const char* proc, const char* reportText, int number)
{
    return QByteArray(kNow) + " -> QNVXM [frmVexmoor] -> Position (" + proc + ") -> " + reportText +
        " {" + QByteArray::number(number) + "}\r\n";
}

enum class Throw {
    Nothing,
    Failure6,
    Failure11,
    Failure13,
    Failure5,
    Runtime,
    BadAlloc,
    Range,
    Int
};

void ThrowAs(Throw kind)
{
    switch (kind) {
    case Throw::Nothing:
        return;
    case Throw::Failure6:
        throw Failure(ErrorNumber::Overflow);
    case Throw::Failure11:
        throw Failure(ErrorNumber::DivisionByZero);
    case Throw::Failure13:
        throw Failure(ErrorNumber::TypeMismatch);
    case Throw::Failure5:
        throw Failure(ErrorNumber::InvalidProcedureCall);
    case Throw::Runtime:
        throw std::runtime_error("boom");
    case Throw::BadAlloc:
        throw std::bad_alloc();
    case Throw::Range:
        throw std::out_of_range("index");
    case Throw::Int:
        throw 42;
    }
}

} // namespace

Q_DECLARE_METATYPE(GuardVariant)
Q_DECLARE_METATYPE(Throw)

class LogErrorTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir* m_dir = nullptr;
    RecordingServices* m_services = nullptr;

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        m_services = new RecordingServices;
        m_services->folder = m_dir->path();
        platform::SetServices(m_services);
    }

    void cleanup()
    {
        platform::SetServices(nullptr);
        delete m_services;
        delete m_dir;
    }

    void recordsAppendInOrderBeforeEachBox()
    {
        LogError(kErrModuleName, "txtBeV_Validate", kInvalidNumberMessage,
                 Failure(ErrorNumber::TypeMismatch));
        LogError(kErrModuleName, "LoanSchedule", "", Failure(ErrorNumber::InvalidProcedureCall));

        const QByteArray first = Record("txtBeV_Validate", "Enter a valid number.", 13);
        const QByteArray second = Record("LoanSchedule", "Invalid procedure call or argument", 5);
        QCOMPARE(ReadAll(m_services->LogPath()), first + second);

        QCOMPARE(m_services->shown.size(), size_t(2));
        QCOMPARE(m_services->shown[0].text,
                 QStringLiteral(" [frmVexmoor] Enter a valid number. {13}"));
        QCOMPARE(m_services->shown[1].text,
                 QStringLiteral(" [frmVexmoor] Invalid procedure call or argument {5}"));
        for (const auto& box : m_services->shown)
            QCOMPARE(box.title, QStringLiteral("System Support"));
        // Each record is on disk while its box is up.
        QCOMPARE(m_services->shown[0].logAtShow, first);
        QCOMPARE(m_services->shown[1].logAtShow, first + second);
    }

    void appendsToAnExistingLog()
    {
        QFile existing(m_services->LogPath());
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("older line\r\n");
        existing.close();

        LogError(kErrModuleName, "GenChart", "", Failure(-7, "\u00e9t\u00e9"));
        QCOMPARE(ReadAll(m_services->LogPath()),
                 QByteArray("older line\r\n") + Record("GenChart", "\u00e9t\u00e9", -7));
        QCOMPARE(m_services->shown.at(0).text,
                 QString::fromUtf8(" [frmVexmoor] \u00e9t\u00e9 {-7}"));
    }

    void fileFollowsExecutableNameShortNameDoesNot_data()
    {
        QTest::addColumn<QString>("baseName");
        QTest::newRow("vexmoor") << QStringLiteral("vexmoor");
        QTest::newRow("QNVXM") << QStringLiteral("QNVXM");
        QTest::newRow("renamed") << QStringLiteral("my calc");
    }

    void fileFollowsExecutableNameShortNameDoesNot()
    {
        QFETCH(QString, baseName);
        m_services->baseName = baseName;
        LogError(kErrModuleName, "KeyDown", "", Failure(ErrorNumber::Overflow));
        const QStringList files = QDir(m_dir->path()).entryList(QDir::Files);
        QCOMPARE(files, QStringList {baseName + "ERR.txt"});
        QCOMPARE(ReadAll(m_services->LogPath()), Record("KeyDown", "Overflow", 6));
    }

    void unwritableLogLosesOnlyTheRecord_data()
    {
        QTest::addColumn<QString>("why");
        QTest::newRow("missing folder") << QStringLiteral("missing");
        QTest::newRow("log is a folder") << QStringLiteral("folder");
        QTest::newRow("folder lookup fails") << QStringLiteral("throws");
    }

    void unwritableLogLosesOnlyTheRecord()
    {
        QFETCH(QString, why);
        if (why == "missing")
            m_services->folder = m_dir->filePath("no/such/folder");
        else if (why == "folder")
            QVERIFY(QDir(m_dir->path()).mkdir(m_services->baseName + "ERR.txt"));
        else
            m_services->throwInFolder = true;

        LogError(kErrModuleName, "cmdCalBeV_Click", "", Failure(ErrorNumber::Overflow));
        QCOMPARE(m_services->shown.size(), size_t(1));
        QCOMPARE(m_services->shown[0].text, QStringLiteral(" [frmVexmoor] Overflow {6}"));
        QVERIFY(!QFileInfo(m_services->LogPath()).isFile());
        QVERIFY(!QDir(m_dir->filePath("no")).exists());
    }

    void guardVariants_data()
    {
        QTest::addColumn<GuardVariant>("variant");
        QTest::addColumn<Throw>("thrown");
        QTest::addColumn<bool>("completed");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message"); // empty: nothing shown and nothing logged

        const auto plain = GuardVariant::Plain;
        const auto entry = GuardVariant::InvalidNumber;
        const auto silent = GuardVariant::SilentArithmetic;
        // Plain
        QTest::newRow("plain ok") << plain << Throw::Nothing << true << false << 0 << QString();
        QTest::newRow("plain 13") << plain << Throw::Failure13 << false << false << 13
                                  << " [frmVexmoor] Type mismatch {13}";
        QTest::newRow("plain 11") << plain << Throw::Failure11 << false << false << 11
                                  << " [frmVexmoor] Division by zero {11}";
        // Invalid number: only 13 turns into the user message and keeps the focus.
        QTest::newRow("entry 13") << entry << Throw::Failure13 << false << true << 13
                                  << " [frmVexmoor] Enter a valid number. {13}";
        QTest::newRow("entry 6") << entry << Throw::Failure6 << false << false << 6
                                 << " [frmVexmoor] Overflow {6}";
        QTest::newRow("entry ok") << entry << Throw::Nothing << true << false << 0 << QString();
        // Silent arithmetic: 6 and 11 end quietly, everything else is reported.
        QTest::newRow("silent 6") << silent << Throw::Failure6 << false << false << 6 << QString();
        QTest::newRow("silent 11")
            << silent << Throw::Failure11 << false << false << 11 << QString();
        QTest::newRow("silent 13") << silent << Throw::Failure13 << false << false << 13
                                   << " [frmVexmoor] Type mismatch {13}";
        QTest::newRow("silent 5") << silent << Throw::Failure5 << false << false << 5
                                  << " [frmVexmoor] Invalid procedure call or argument {5}";
        // Exceptions that are not the program's own failure.
        QTest::newRow("bad_alloc")
            << plain << Throw::BadAlloc << false << false << 7 << " [frmVexmoor] Out of memory {7}";
        QTest::newRow("out_of_range") << plain << Throw::Range << false << false << 9
                                      << " [frmVexmoor] Subscript out of range {9}";
        QTest::newRow("runtime_error") << entry << Throw::Runtime << false << false << 51
                                       << " [frmVexmoor] Internal error {51}";
        QTest::newRow("int") << silent << Throw::Int << false << false << 51
                             << " [frmVexmoor] Internal error {51}";
    }

    void guardVariants()
    {
        QFETCH(GuardVariant, variant);
        QFETCH(Throw, thrown);
        QFETCH(bool, completed);
        QFETCH(bool, cancel);
        QFETCH(int, number);
        QFETCH(QString, message);

        const GuardOutcome outcome =
            Guarded("txtCalRpy_Validate", variant, [thrown] { ThrowAs(thrown); });
        QCOMPARE(outcome.completed, completed);
        QCOMPARE(outcome.cancel, cancel);
        QCOMPARE(outcome.errorNumber, number);

        const QByteArray log = ReadAll(m_services->LogPath());
        if (message.isEmpty()) {
            QVERIFY(m_services->shown.empty());
            QVERIFY(!QFile::exists(m_services->LogPath()));
            return;
        }
        QCOMPARE(m_services->shown.size(), size_t(1));
        QCOMPARE(m_services->shown[0].text, message);
        QCOMPARE(m_services->shown[0].title, QStringLiteral("System Support"));
        // The record carries the same report text and number as the box.
        const QByteArray tail = message.toUtf8().mid(QByteArray(" [frmVexmoor] ").size());
        QCOMPARE(log,
                 QByteArray(kNow) + " -> QNVXM [frmVexmoor] -> Position (txtCalRpy_Validate) -> " +
                     tail + "\r\n");
    }

    void guardFillsTheContext()
    {
        CurrentErrorContext() = {"x", "y", "z"};
        Guarded("txtBeV_Validate", GuardVariant::InvalidNumber,
                [] { throw Failure(ErrorNumber::TypeMismatch); });
        QCOMPARE(CurrentErrorContext().ErrModuleName, std::string("frmVexmoor"));
        QCOMPARE(CurrentErrorContext().ErrProcName, std::string("txtBeV_Validate"));
        QCOMPARE(CurrentErrorContext().ErrUserMessage, std::string("Enter a valid number."));

        // The next report starts from an empty user message.
        Guarded("cmdCalBeV_Click", GuardVariant::Plain,
                [] { throw Failure(ErrorNumber::Overflow); });
        QCOMPARE(CurrentErrorContext().ErrProcName, std::string("cmdCalBeV_Click"));
        QCOMPARE(CurrentErrorContext().ErrUserMessage, std::string());
    }

    void guardKeepsWhatTheBodyDidAndSurvivesAFailingBox()
    {
        m_services->throwInShow = true;
        int steps = 0;
        const GuardOutcome outcome = Guarded("LoanSchedule", GuardVariant::Plain, [&steps] {
            ++steps;
            throw Failure(ErrorNumber::InvalidProcedureCall);
        });
        QCOMPARE(steps, 1);
        QVERIFY(!outcome.completed);
        QCOMPARE(m_services->shown.size(), size_t(1));
        QCOMPARE(ReadAll(m_services->LogPath()),
                 Record("LoanSchedule", "Invalid procedure call or argument", 5));
    }

    void nestedGuardsReportOnceUnderTheInnerName()
    {
        // A validation that runs a calculation: the inner guard reports, the outer goes on.
        bool outerFinished = false;
        const GuardOutcome outer = Guarded("txtCalRpy_Validate", GuardVariant::InvalidNumber, [&] {
            Guarded("cmdCalRpy_Click", GuardVariant::SilentArithmetic,
                    [] { throw Failure(ErrorNumber::InvalidProcedureCall); });
            outerFinished = true;
        });
        QVERIFY(outer.completed);
        QVERIFY(outerFinished);
        QCOMPARE(ReadAll(m_services->LogPath()),
                 Record("cmdCalRpy_Click", "Invalid procedure call or argument", 5));
    }
};

QTEST_MAIN(LogErrorTest)
#include "log_error_test.moc"
