// Taking numbers away through the real window and clipboard: the calculator display's copy and
// paste, the lists' selections as tab-separated rows, CSV files against golden copies, the graph
// as PNG and SVG, the table window, and the reports as PDF files read back by poppler-utils.
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "platform/export/list_table.h"
#include "platform/export/table_window.h"
#include "platform/services/print_preview.h"
#include "support/window_fixture.h"

#include <QChartView>
#include <QClipboard>
#include <QLineSeries>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QTableView>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

const auto Clipboard = [] { return QGuiApplication::clipboard()->text(); };

// The output of a poppler-utils program on a file.
QString Poppler(const char* program, const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(program), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("(%1 failed: %2)").arg(program, process.errorString());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A list line's cells as a pattern of one line of `pdftotext -layout`.
QRegularExpression CellsPattern(QStringList cells)
{
    cells.removeAll(QString());
    for (QString& cell : cells)
        cell = QRegularExpression::escape(cell);
    return QRegularExpression("(^|  )" + cells.join(" +") + "( |$)",
                              QRegularExpression::MultilineOption);
}

// Opens the control's context menu by `key`, or by a right click at `at` (its centre when null),
// and picks the entry by its access key.
void PickFromMenu(QWidget* control, const char* menuName, char entry, QKeyCombination key = {},
                  QPoint at = {})
{
    QWidget* window = control->window();
    if (key.key() != Qt::Key_unknown)
        QTest::keyClick(control, key.key(), key.keyboardModifiers());
    else
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                          control->mapTo(window, at.isNull() ? control->rect().center() : at));
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = window->findChild<QMenu*>(menuName)) && menu->isVisible());
    QTest::keyClick(menu, entry);
    QTRY_VERIFY(!menu->isVisible());
}

// The only message is a warning under `title` that names `path`.
bool WarnedOnce(const WindowFixture& f, const char* title, const QString& path)
{
    const auto& m = f.services.messages;
    return m.size() == 1 && m[0].warning && m[0].title == title && m[0].text.contains(path);
}

// The number of colours in every seventh pixel: 1 for a blank picture.
int Colours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int i = 0; i < image.width() * image.height(); i += 7)
        colours.insert(image.pixel(i % image.width(), i / image.width()));
    return static_cast<int>(colours.size());
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A clipboard text pasted after "5+" by Ctrl+V or Shift+Insert, then "=" (a text that is no
    // number beeps); the result copied by Ctrl+C and Ctrl+Insert. Off the Calculator page the
    // keys belong to the focused control.
    void calculatorPasteAndCopy()
    {
        // clang-format off
        const struct { const char* pasted; Qt::KeyboardModifier modifier; Qt::Key key; const char *display, *copied; } rows[] = {
            {"1,234.5\n", Qt::ControlModifier, Qt::Key_V, "1239.5", "1239.5"},
            {"twelve", Qt::ShiftModifier, Qt::Key_Insert, "10.", "10"}};
        // clang-format on
        for (const auto& row : rows) {
            WindowFixture f;
            QGuiApplication::clipboard()->setText(row.pasted);
            QTest::keyClicks(f.window.get(), "5+");
            QTest::keyClick(f.window.get(), row.key, row.modifier);
            QTest::keyClick(f.window.get(), Qt::Key_Equal);
            QCOMPARE(f.Display(), QString(row.display));
            QCOMPARE(f.services.beeps, row.key == Qt::Key_Insert ? 1 : 0);
            for (const Qt::Key key : {Qt::Key_C, Qt::Key_Insert}) {
                QGuiApplication::clipboard()->setText(QStringLiteral("(before)"));
                QTest::keyClick(f.window.get(), key, Qt::ControlModifier);
                QCOMPARE(Clipboard(), QString(row.copied));
            }
            f.Tab("tabOptions", 2);
            TypeInto(f.Field("txtBeV", 1), "42");
            QTest::keyClick(f.Field("txtBeV", 1), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(f.Field("txtBeV", 1), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(Clipboard(), QStringLiteral("42"));
        }
    }

    // The analysis' lines chosen by click and Shift+click copied, all of them by the menu; Save
    // as CSV… by Shift+F10: the suggested name, the file against its golden copy, a missing
    // folder, a cancel. The graph by its menu, opened by a right click on a data point (which
    // shows no value): on the clipboard and in PNG and SVG files, at the control's size times the
    // device pixel ratio, and not one flat colour.
    void breakEvenCopiedAndSaved()
    {
        const QString secondAndThird("2\t1,012.00\t20.00\t-992.00\n3\t1,018.00\t30.00\t-988.00\n");
        WindowFixture f;
        f.EnterBreakEven({"3", "10", "6", "1000"});
        f.Tab("tabOptions1", 2);
        QListView* view = f.ListBox("lstBev")->View();
        const auto at = [=](int r) {
            return view->visualRect(view->model()->index(r, 0)).center();
        };
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(2));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, at(3));
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), secondAndThird);
        PickFromMenu(view, "lstBevMenu", 'a', Qt::Key_Menu);
        QCOMPARE(Clipboard(),
                 "Units\tTotal Costs\tTotal Sales\tProfit\n1\t1,006.00\t10.00\t-996.00\n" +
                     secondAndThird);
        const QString csv = f.logFolder.filePath("analysis.csv");
        const QString unwritable = f.logFolder.filePath("no-such-folder/analysis.csv");
        const QString png = f.logFolder.filePath("graph.png");
        const QString svg = f.logFolder.filePath("graph.SVG");
        f.services.savePaths = QStringList {csv, unwritable, QString(), png, svg};
        for (int i = 0; i < 3; ++i)
            PickFromMenu(view, "lstBevMenu", 's', Qt::SHIFT | Qt::Key_F10);
        QVERIFY(f.services.saveDialogs.front().suggestedPath.endsWith("/break-even-analysis.csv"));
        QCOMPARE(ReadAll(csv),
                 ReadAll(QStringLiteral(VEXMOOR_TEST_DATA "/break_even_analysis.csv")));
        QVERIFY(!QFile::exists(unwritable));

        f.Tab("tabOptions1", 3);
        QWidget* graph = f.Find("chtBeVAny");
        const QSize size = graph->size() * graph->devicePixelRatioF();
        QChartView* chart = f.window->BreakEven().Chart().View();
        const QPointF point =
            chart->chart()->mapToPosition(QPointF(2, 20), f.window->BreakEven().Chart().Series(2));
        QGuiApplication::clipboard()->clear();
        PickFromMenu(chart->viewport(), "chtBeVAnyMenu", 'c', {},
                     chart->mapFromScene(chart->chart()->mapToScene(point)));
        QCOMPARE(QGuiApplication::clipboard()->image().size(), size);
        PickFromMenu(graph, "chtBeVAnyMenu", 's');
        PickFromMenu(graph, "chtBeVAnyMenu", 's');
        QCOMPARE(f.services.saveDialogs.size(), std::size_t {5});
        QVERIFY(WarnedOnce(f, "Save as CSV", unwritable));
        const QImage image(png, "png");
        QCOMPARE(image.size(), size * 2);
        QVERIFY(Colours(image) > 4 && Colours(QImage(svg, "svg")) > 4);
        const QByteArray text = ReadAll(svg);
        QVERIFY(text.contains("<polyline") && text.contains("<title>Break-Even Graph</title>"));
        const QString box = QStringLiteral("viewBox=\"0 0 %1 %2\"");
        QVERIFY(text.contains(box.arg(graph->width()).arg(graph->height()).toLatin1()));
    }

    // Show as Table by its key: the window keeps the figures it opened with through a new
    // calculation, whole and right-aligned, the totals under the rows; rows copied by Ctrl+C, all
    // of them with the header by the menu; printed by its key.
    void scheduleAsTable()
    {
        const QStringList first {"1", "1,344.00", "112.00",   "100.00",   "12.00", // totals:
                                 "",  "Totals :", "1,344.00", "1,200.00", "144.00"};
        WindowFixture f;
        f.EnterRepayment("1200", "Flat", "1", "Month", "12"); // 112.00 a month
        f.Tab("tabOptions2", 3);
        QTest::keyClick(f.ListBox("lstLsd")->View(), Qt::Key_T, Qt::ControlModifier);
        f.EnterRepayment("1200", "Flat", "1", "Month", "6");
        auto* table = f.window->findChild<platform::TableWindow*>();
        QVERIFY(QTest::qWaitForWindowExposed(table));
        QCOMPARE(table->windowTitle(), "Loan schedule as of " + f.services.dateTimeText);
        QTableView* view = table->Table();
        const QAbstractItemModel* model = view->model();
        QCOMPARE(model->rowCount(), 12);
        QStringList cells, totals;
        for (int column = 0; column < 5; ++column) {
            const QModelIndex cell = model->index(0, column);
            cells << cell.data().toString();
            totals << table->Totals()->model()->index(0, column).data().toString();
            QVERIFY(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
            QVERIFY(view->columnViewportPosition(column) + view->columnWidth(column) <=
                    view->viewport()->width());
        }
        QCOMPARE(cells + totals, first);
        QVERIFY(table->Totals()->geometry().top() >= view->geometry().bottom());

        const auto row = [&](int r) { return view->visualRect(model->index(r, 1)).center(); };
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row(1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, row(2));
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(Clipboard().startsWith("2\t1,232.00\t") && Clipboard().count('\n') == 2);
        PickFromMenu(view, "lstLsdTableMenu", 'a', Qt::Key_Menu);
        const QStringList all = Clipboard().split('\n');
        QCOMPARE(all.size(), 15);
        QCOMPARE(all.front(), QStringLiteral("#\tBalance\tInstalment\tPrincipal\tInterest"));
        QCOMPARE(all.at(13), totals.join('\t'));
        f.services.printPath = f.logFolder.filePath("table.pdf"); // Print… by its key
        QTest::keyClick(view, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.services.printDialogs, 1);
        QVERIFY(Poppler("pdftotext", {f.services.printPath, "-"}).contains("Totals :"));
        QVERIFY(f.services.messages.empty());
    }

    // The reports as PDF files, read back as text: Save as PDF… from the schedule's menu, Print…
    // from the graph's menu.
    void reportAsPdf()
    {
        // clang-format off
        const struct { QString region, title; bool loan; int pages; QString paper; QStringList inputs; } rows[] = {
            {"en_US", "Loan schedule", true, 1, "letter", {"Principal Amount", "1,200.00", "Loan Type", "Flat Rate", "Repayment Amount", "112.00"}},
            {"de_DE", "Break-even analysis", false, 3, "A4", {"Sales [1]", "100", "Fixed Costs [4]", "1.000,00", "Break Even Units [4/9]", "250"}}};
        // clang-format on
        for (const auto& [region, title, loan, pages, paper, inputs] : rows) {
            const ScopedRegion scoped(region);
            WindowFixture f;
            const QString pdf = f.logFolder.filePath("report.pdf");
            f.services.savePaths = QStringList {pdf};
            f.services.printPath = pdf;
            platform::ListBox* list = f.ListBox(loan ? "lstLsd" : "lstBev");
            if (loan) { // 112.00 a month
                f.EnterRepayment("1200", "Flat", "1", "Month", "12");
                f.Tab("tabOptions2", 3);
                PickFromMenu(list->View(), "lstLsdMenu", 'd', Qt::Key_Menu);
            } else {
                f.EnterBreakEven({"100", "10", "6", "1000"});
                f.Tab("tabOptions1", 3);
                PickFromMenu(f.Find("chtBeVAny"), "chtBeVAnyMenu", 'p');
            }
            QVERIFY2(f.services.messages.empty(), qPrintable(f.services.MessageTexts().join('|')));

            const QString info = Poppler("pdfinfo", {pdf});
            const QString layout = QStringLiteral("Pages: +%1\n(.*\n)*Page size: .*\\(%2\\)");
            QVERIFY(info.contains(QRegularExpression(layout.arg(pages).arg(paper))));
            QCOMPARE(Poppler("pdfimages", {"-list", pdf}).count('\n'), 2); // the graph is drawn
            const QString text = Poppler("pdftotext", {"-layout", pdf, "-"});
            QVERIFY2(text.contains(title + " as of " + f.services.dateTimeText), qPrintable(text));
            for (int i = 0; i < inputs.size(); i += 2)
                QVERIFY2(text.contains(CellsPattern(inputs.mid(i, 2))), qPrintable(inputs[i]));
            const platform::ListTable table(list->Lines());
            QCOMPARE(text.count(CellsPattern(table.Header())), pages);
            for (int row = 0; row < table.Rows(); ++row)
                QVERIFY(text.contains(CellsPattern(table.Row(row))));
            for (int page = 1; page <= pages; ++page)
                QVERIFY(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
        }
    }

    // The print module that Print… loads: its preview paints the job on pages of the job's paper.
    void printModulePreviewsTheJob()
    {
        QLibrary module(QStringLiteral(VEXMOOR_PRINT_MODULE));
        const auto print = reinterpret_cast<platform::PrintWithPreviewFunction>(
            module.resolve(platform::kPrintWithPreview));
        QVERIFY2(print, qPrintable(module.errorString()));
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(20, 20, 20, 20));
        QPageLayout painted;
        const auto close = [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
        };
        QTimer::singleShot(10000, qApp, close); // should the preview never paint
        QVERIFY(!print(nullptr, {a4, "report", "Vexmoor", [&](QPagedPaintDevice& device) {
                                     painted = device.pageLayout();
                                     QTimer::singleShot(0, qApp, close);
                                     return true;
                                 }}));
        QCOMPARE(painted.pageSize().id(), QPageSize::A4);
        QCOMPARE(painted.margins(), a4.margins());
    }

    // A PDF that cannot be written warns and writes nothing; a cancelled one leaves the file
    // it was to replace as it was, and no other.
    void reportPdfNotWritten()
    {
        WindowFixture f;
        f.EnterBreakEven({"32767", "10", "6", "1000"});
        f.Tab("tabOptions1", 2);
        const QString kept = f.logFolder.filePath("kept.pdf");
        QVERIFY(QFile::copy(QStringLiteral(VEXMOOR_TEST_DATA "/break_even_analysis.csv"), kept));
        const QByteArray before = ReadAll(kept);
        const QString unwritable = kept + "/report.pdf"; // under a file, even for root
        f.services.savePaths = QStringList {unwritable, kept};
        PickFromMenu(f.ListBox("lstBev")->View(), "lstBevMenu", 'd', Qt::Key_Menu);
        QVERIFY(WarnedOnce(f, "Save as PDF", unwritable));

        // Cancel on the report's progress, clicked as soon as it shows.
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, &cancel, [] {
            if (QWidget* progress = QApplication::activeModalWidget())
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        });
        cancel.start(10);
        PickFromMenu(f.ListBox("lstBev")->View(), "lstBevMenu", 'd', Qt::Key_Menu);
        QCOMPARE(f.services.messages.size(), std::size_t {1});
        QCOMPARE(ReadAll(kept), before);
        QCOMPARE(QDir(f.logFolder.path()).entryList(QDir::Files), QStringList {"kept.pdf"});
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::ExportTest)
#include "export_test.moc"
