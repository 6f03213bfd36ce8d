// Printing returns to PDF as a user does: the print command, scripted
// answers, the real options and after-print dialogs, the report maker in the
// real JVM; the PDFs are read back with pdfinfo and pdftotext. One process
// holds one JVM, which every print here shares.

#include <memory>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "autofill/dataafr.h"
#include "autofill/taxslip.h"
#include "autofill/tddtaxdata.h"
#include "barcodetestsupport.h"
#include "dlgpenvaultafterprint.h"
#include "dlgprintoption_info.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "javavmenv.h"
#include "modal.h"
#include "prompt.h"
#include "returnprinter.h"
#include "scenario.h"
#include "t1.h"
#include "t1appconfig.h"

namespace {

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

std::unique_ptr<CFamilyTaxData> build(const QString& name)
{
    QFile json(QStringLiteral(RETURNS_DIR "/%1.json").arg(name));
    if (!json.open(QIODevice::ReadOnly)) return nullptr;
    QString error;
    auto family = Scenario::build(json.readAll(), &error);
    if (!family) qWarning("%s", qPrintable(error));
    return family;
}

void click(QWidget* dialog, const QString& name)
{
    auto* button = dialog->findChild<QAbstractButton*>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// The print road with the e-delivery step recorded instead of sent.
class RecordingPrinter : public ReturnPrinter
{
public:
    using ReturnPrinter::ReturnPrinter;
    void _SubmitDocDelivery(ENUMTYPE_FORM type, const QString& recipient, const CString&, const CString&,
                            const CString& pdfPath) override
    {
        ++sent;
        sentType = type;
        sentTo = recipient;
        sentPdf = pdfPath.toQString();
    }
    int sent = 0;
    int sentType = -1;
    QString sentTo, sentPdf;
};

// One return on disk, its printer and the options a user picks.
struct Desk
{
    QTemporaryDir dir;
    CT1AppConfig config;
    std::unique_ptr<CFamilyTaxData> family;
    std::unique_ptr<RecordingPrinter> printer;
    QString returnFolder, outFolder, returnName;

    explicit Desk(const QString& scenario, const QString& returnName = QStringLiteral("Maya Okafor.r21"),
                  const QString& sub = QStringLiteral("returns"), const QString& out = QStringLiteral("pdf out"))
    {
        family = build(scenario);
        this->returnName = returnName;
        returnFolder = dir.filePath(sub);
        outFolder = dir.filePath(out);
        QDir().mkpath(returnFolder);
        // The class path the program starts with: the archives in Resources/.
        config.setDefaultValue(CString(QCoreApplication::applicationDirPath()), CString(dir.path()));
        config.m_RetPdfPath = outFolder;
        if (family) {
            printer = std::make_unique<RecordingPrinter>(family.get(), &config, 2, nullptr);
            printer->setReturnFile(returnFolder, returnName);
        }
    }

    // Runs the print command: ticks `boxes`, prints, and closes the
    // after-print dialog; answers the PDF it linked to (empty when none showed).
    QString print(const QStringList& boxes, const QString& deliverTo = QString())
    {
        QString pdf;
        Modal::when<DlgPrintOption_Info>([boxes](DlgPrintOption_Info* d) {
            for (const QString& box : boxes) click(d, box);
            click(d, QStringLiteral("btnPrint"));
        });
        Modal::when<DlgPenvaultAfterPrint>([this, &pdf, deliverTo](DlgPenvaultAfterPrint* d) {
            offered = d->findChild<QLineEdit*>("edtToEmail")->text();
            afterPrintTitle = d->windowTitle();
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).match(d->findChild<QLabel*>("lblFileLink")->text());
            pdf = QUrl(m.captured(1)).toLocalFile();
            auto* box = d->findChild<QDialogButtonBox*>("buttonBox");
            if (deliverTo.isEmpty()) {
                QTest::mouseClick(box->button(QDialogButtonBox::Close), Qt::LeftButton);
                return;
            }
            auto* edit = d->findChild<QLineEdit*>("edtToEmail");
            edit->clear();
            QTest::keyClicks(edit, deliverTo);
            QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        printer->OnFileCreatePdfFile(false);
        Modal::dropWaiting();
        return pdf;
    }

    // What the last after-print dialog showed.
    QString offered, afterPrintTitle;

    int pdfCount() const { return QDir(outFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(); }
    QString returnFile() const { return QDir(returnFolder).filePath(returnName); }
};

// One PDF417 symbol as a scanner reads it off a page rendered at 300 dpi.
struct ReadSymbol
{
    int page = 0;
    double module = 0;   // dots per module
    QString level;       // error-correction level
    QByteArray bytes;
};

// Every symbol of a PDF, in reading order (ZXing's reader in its own JVM).
QList<ReadSymbol> readSymbols(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral(JAVA_EXE), {QStringLiteral("-Djava.awt.headless=true"), QStringLiteral("-cp"),
                                       QStringLiteral(BARCODE_READER_CP),
                                       QStringLiteral("quillmere.barcodereader.ReadSymbols"), pdf});
    p.waitForFinished(180000);
    if (p.exitCode() != 0) qWarning("%s", p.readAllStandardError().constData());
    QList<ReadSymbol> out;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 5) continue;
        out.append({parts[0].toInt(), parts[2].toDouble(), QString::fromLatin1(parts[3]),
                    QByteArray::fromBase64(parts[4])});
    }
    return out;
}

// A symbol's label: block b, part p of n.
struct Label
{
    int block, part, of;
};

QList<Label> symbolLabels(const QString& text)
{
    QList<Label> out;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("block (\\d+), part (\\d+) of (\\d+)")).globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out.append({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()});
    }
    return out;
}

// The blocks a person's save stored in the return file: the T1 block, then
// one per statement.
QList<QByteArray> storedBlocks(const QString& returnFile, int person)
{
    QFile f(returnFile);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QList<BarcodeSection> sections = fileSections(f.readAll());
    if (person >= sections.size() || !sections.at(person).valid) return {};
    QList<QByteArray> out;
    if (sections.at(person).hasT1Block) out << sections.at(person).t1Block;
    return out + sections.at(person).blocks;
}

// One word of a PDF page with its box, in points from the top left.
struct Word
{
    int page;
    double xMin, xMax, yMin;
    QString text;
};

QList<Word> pdfWords(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QList<Word> out;
    QXmlStreamReader xml(p.readAllStandardOutput());
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("page")) ++page;
        if (xml.name() != QLatin1String("word")) continue;
        const QXmlStreamAttributes a = xml.attributes();
        const double xMin = a.value(QLatin1String("xMin")).toDouble(), xMax = a.value(QLatin1String("xMax")).toDouble();
        const double yMin = a.value(QLatin1String("yMin")).toDouble();
        out.append({page, xMin, xMax, yMin, xml.readElementText()});
    }
    return out;
}

// What the validation finds in the taxpayer's return ("" when it is clean).
QString validationFindings(CFamilyTaxData& family)
{
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    CString name;
    family.ValidateTaxReturn(2, items, name, false, false);
    QStringList out;
    for (_STRUCT_FORM_VALIDATE_INFO* item : items) {
        for (const CString& m : item->messages) out << QStringLiteral("%1/%2: %3").arg(item->kind).arg(item->type).arg(m.toQString());
        delete item;
    }
    return out.join(QLatin1Char('\n'));
}

// The first line of a label as the print wraps it (at 70 characters).
QString firstPrintedLine(const QString& label)
{
    QString line;
    for (const QString& word : label.split(QLatin1Char(' '))) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > 70) break;
        if (!line.isEmpty()) line += QLatin1Char(' ');
        line += word;
    }
    return line;
}

QString amountOnScreen(double value) { return QLocale(QLocale::English, QLocale::Canada).toString(value, 'f', 2); }

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Modal::dropWaiting(); }

    void unsavedReturnStartsOnlyTheJvm();
    void printsAsChosen_data();
    void printsAsChosen();
    void settingsOutliveAnotherPrinter();
    void linesShowTheAmountsOnScreen();
    void datesPrintAsEntered();
    void textOfSeveralLinesPrintsLineByLine();
    void tabsPrintAsBlanks();
    void itemsPrintInTheReturnsOrder();
    void pageCountAddsUp();
    void everyDownloadedDispositionPrints();
    void accentedNamesPrint();
    void charactersBeyondTheBasicPlanePrint();
    void validationErrorsAskFirst_data();
    void validationErrorsAskFirst();
    void condensedPrint_data();
    void condensedPrint();
    void condensedSymbolsGiveTheStoredBlocksBack_data();
    void condensedSymbolsGiveTheStoredBlocksBack();
    void condensedWithoutBarcodeSaysWhy_data();
    void condensedWithoutBarcodeSaysWhy();
    void clientCopyPrintsAnswersAsThePageShowsThem();
    void secondJurisdictionPrintsTheT2203ByName();
    void outputFolderThatCannotBeMade();
    void failedSavePrintsNothing();
    void pdfThatCannotBeWrittenLeavesNothing();
    void cancelPrintsNothing();
    void pathCallerGetsNoAfterPrintStep();
    void deliveryGetsTheTypedAddress();
    void everyPrintSharedOneJvm();
};

void PrintingTest::unsavedReturnStartsOnlyTheJvm()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    desk.printer->setReturnFile(QString(), QString());
    QVERIFY(!JavaVMEnv::getInstance()->isInitialised());
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    QVERIFY(desk.print({}).isEmpty());
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral(
        "Please save tax return to a tax return file first by menu Start | Save or Start | Save As.")});
    QVERIFY(JavaVMEnv::getInstance()->isInitialised());
    QCOMPARE(desk.pdfCount(), 0);
}

void PrintingTest::printsAsChosen_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("spouseCurrent");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("selectedKind");   // 0 the T1, 1 a slip, -1 nothing
    QTest::addColumn<bool>("header");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("notShown");

    const QString maya = QStringLiteral("Maya Okafor");
    QTest::newRow("whole return, S.I.N. masked")
        << "single_clean" << false << QStringList{} << -1 << true << "Maya Okafor.pdf"
        << QStringList{maya, "XXX XXX 286", "Income Tax and Benefit Return", "T4 Statement of Remuneration Paid",
                       "Page 1 of "}
        << QStringList{"046 454 286", "Dear Maya", "Invoice"};
    QTest::newRow("whole S.I.N.")
        << "single_clean" << false << QStringList{"fld_FullSIN"} << -1 << true << "Maya Okafor.pdf"
        << QStringList{"046 454 286"} << QStringList{"XXX XXX"};
    QTest::newRow("client letter and invoice")
        << "single_clean" << false << QStringList{"fld_ClientLetter", "fld_Invoice"} << -1 << true
        << "Maya Okafor.pdf" << QStringList{"Dear Maya Okafor,", "balance owing", "Invoice", "Bill to: Maya Okafor"}
        << QStringList{};
    QTest::newRow("no header")
        << "single_clean" << false << QStringList{} << -1 << false << "Maya Okafor.pdf"
        << QStringList{"Income Tax and Benefit Return", "XXX XXX 286"} << QStringList{"Page 1 of", "S.I.N. XXX"};
    QTest::newRow("current form only")
        << "single_clean" << false << QStringList{"fld_CurFormOnly"} << 0 << true << "Maya Okafor_T1.pdf"
        << QStringList{"Income Tax and Benefit Return"} << QStringList{"T4 Statement of Remuneration Paid"};
    QTest::newRow("current form with a slip selected")
        << "single_clean" << false << QStringList{"fld_CurFormOnly"} << 1 << true << "Maya Okafor.pdf"
        << QStringList{"Income Tax and Benefit Return", "T4 Statement of Remuneration Paid"} << QStringList{};
    QTest::newRow("spouse current")
        << "couple_clean" << true << QStringList{} << -1 << true << "Maya Okafor_spouse.pdf"
        << QStringList{"Boris Kowalski"} << QStringList{};
}

void PrintingTest::printsAsChosen()
{
    QFETCH(QString, scenario);
    QFETCH(bool, spouseCurrent);
    QFETCH(QStringList, boxes);
    QFETCH(int, selectedKind);
    QFETCH(bool, header);
    QFETCH(QString, fileName);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, notShown);

    Desk desk(scenario);
    QVERIFY(desk.printer);
    desk.config.m_PrintHeader = header;
    if (spouseCurrent) desk.family->setCurIndv(CFamilyTaxData::kSpouse);
    ReturnPrinter::Selection selection;
    selection.kind = selectedKind;
    if (selectedKind == 0) {
        STRUCT_FORMDATA_ITEM_2004* t1 = desk.family->GetFormDataItem(1, false);
        QVERIFY(t1);
        selection.type = 1;
        selection.id = t1->uniqueId;
    } else if (selectedKind == 1) {
        selection.type = 1;   // a T4 slip
        selection.id = 1;
    }
    desk.printer->setSelection(selection);

    Prompt::Scripted prompts;
    const QString pdf = desk.print(boxes);
    QCOMPARE(prompts.unanswered(), 0);
    QCOMPARE(QFileInfo(pdf).fileName(), fileName);
    QCOMPARE(QFileInfo(pdf).absolutePath(), QFileInfo(desk.outFolder).absoluteFilePath());
    const QString text = pdfText(pdf);
    for (const QString& s : shown) QVERIFY2(text.contains(s), qPrintable(s));
    for (const QString& s : notShown) QVERIFY2(!text.contains(s), qPrintable(s));
    // The header names the person printed.
    if (header) QVERIFY(text.trimmed().startsWith(spouseCurrent ? "Boris Kowalski" : "Maya Okafor"));
    const int pages = pdfPages(pdf);
    QVERIFY(pages >= 1);
    if (header) QVERIFY2(text.contains(QStringLiteral("Page %1 of %1").arg(pages)), "the header counts the pages");
}

void PrintingTest::settingsOutliveAnotherPrinter()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    desk.config.m_PrintHeader = false;
    desk.config.m_PrntClientLetter = 1;
    // A second return's printer on the same settings, made later and gone
    // first: its editor was closed.
    { RecordingPrinter other(desk.family.get(), &desk.config, 2, nullptr); }
    Prompt::Scripted prompts;
    const QString text = pdfText(desk.print({}));
    QVERIFY2(text.contains(QLatin1String("Dear Maya Okafor,")), "the client letter setting is read");
    QVERIFY2(!text.contains(QLatin1String("Page 1 of")), "the header setting is read");
}

void PrintingTest::linesShowTheAmountsOnScreen()
{
    for (const char* scenario : {"single_clean", "couple_clean"}) {
        Desk desk{QString::fromLatin1(scenario)};
        QVERIFY(desk.printer);
        Prompt::Scripted prompts;
        const QString text = pdfText(desk.print({}));
        const TaxData_T1New* t1 = desk.family->taxpayer()->t1();
        int checked = 0;
        for (const char* line : {"15000", "26000", "42000", "48400", "48500"}) {
            const double amount = t1->getFloat(line);
            if (amount == 0) continue;
            const QRegularExpression row(QStringLiteral("^\\s*%1\\s+\\S.*\\s%2\\s*$")
                                             .arg(QLatin1String(line), QRegularExpression::escape(amountOnScreen(amount))),
                                         QRegularExpression::MultilineOption);
            QVERIFY2(row.match(text).hasMatch(), qPrintable(QStringLiteral("%1 %2").arg(line, amountOnScreen(amount))));
            ++checked;
        }
        QVERIFY(checked >= 3);
    }
}

void PrintingTest::datesPrintAsEntered()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    Prompt::Scripted prompts;
    const QString text = pdfText(desk.print({}));
    // In the same digits whatever language the JVM runs in.
    QVERIFY2(text.contains(QLatin1String("1985-04-12")), "the date of birth");
}

void PrintingTest::textOfSeveralLinesPrintsLineByLine()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    Prompt::Scripted prompts;
    const QString text = pdfText(desk.print({}));
    // The summary keeps the address as lines, as the screen shows it.
    const QRegularExpression address(QStringLiteral("Address\\s+12 Elm Street\\s*\\n\\s*Ottawa\\s*\\n\\s*ON\\s*\\n"));
    QVERIFY2(address.match(text).hasMatch(), qPrintable(text.mid(text.indexOf(QLatin1String("12 Elm Street")) - 100, 200)));
}

void PrintingTest::tabsPrintAsBlanks()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    STRUCT_NOTEDATA_ITEM_2004* note = desk.family->taxpayer()->NewNoteData(900);
    QVERIFY(note);
    note->object->setString("text", CString("Receipts:\tmoving\tand\tdaycare."));
    Prompt::Scripted prompts;
    const QString text = pdfText(desk.print({}));
    QVERIFY2(QRegularExpression(QStringLiteral("Receipts: +moving +and +daycare\\.")).match(text).hasMatch(),
             qPrintable(text.mid(text.indexOf(QLatin1String("Receipts:")), 60)));
}

void PrintingTest::itemsPrintInTheReturnsOrder()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    STRUCT_NOTEDATA_ITEM_2004* note = desk.family->taxpayer()->NewNoteData(900);
    QVERIFY(note);
    note->object->setString("text", CString("Ask for the moving receipts."));
    Prompt::Scripted prompts;
    const QString text = pdfText(desk.print({}));
    // The T1 first (the summary form is first in the file), then the forms,
    // the slips and the notes.
    const int t1 = text.indexOf(QLatin1String("Income Tax and Benefit Return"));
    const int summary = text.indexOf(QLatin1String("Tax Return Summary"));
    const int slip = text.indexOf(QLatin1String("T4 Statement of Remuneration Paid"));
    const int noteText = text.indexOf(QLatin1String("Ask for the moving receipts."));
    QVERIFY(t1 >= 0 && summary >= 0 && slip >= 0 && noteText >= 0);
    QVERIFY(t1 < summary);
    QVERIFY(summary < slip);
    QVERIFY(slip < noteText);
    // Every form and slip has its title band.
    // (The T2203 of a return in one jurisdiction only is left out.)
    for (const STRUCT_FORMDATA_ITEM_2004* form : desk.family->taxpayer()->forms())
        if (form->formType != 156)
            QVERIFY2(text.contains(QString::fromUtf8(formInfo(form->formType)->longName)), formInfo(form->formType)->shortName);
    for (const STRUCT_SLIPDATA_ITEM_2004* s : desk.family->taxpayer()->slips())
        QVERIFY2(text.contains(QString::fromUtf8(slipInfo(s->slipType)->name)), slipInfo(s->slipType)->shortName);
}

// Seventy downloaded T5008 slips: Schedule 3 grows past its sixty rows, and
// the saved return prints every one of them.
void PrintingTest::everyDownloadedDispositionPrints()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    TDDTaxDataOnePerson data(2021);
    for (int i = 1; i <= 70; ++i) {
        auto* slip = new TaxSlipT5008;
        slip->setOwnBox("16", "10");
        slip->setOwnBox("17", QStringLiteral("Lot%1 units").arg(i, 2, 10, QLatin1Char('0')).toLatin1().constData());
        slip->setOwnBox("20", QByteArray::number(500 + i).constData());
        slip->setOwnBox("21", QByteArray::number(900 + i).constData());
        QVERIFY(data.addSlip(slip));
    }
    DataAFR options;
    options.setFillOption(0);
    desk.family->AutoFillReturn(data, &options);
    Prompt::Scripted prompts;
    const QString text = pdfText(desk.print({}));
    QVERIFY(!text.isEmpty());
    for (int i = 1; i <= 70; ++i) {
        const QString lot = QStringLiteral("Lot%1 units").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY2(text.contains(lot), qPrintable(lot));
    }
    // Each row's gain of 400 is there, and the section's total of 28,000.
    QCOMPARE(text.count(QStringLiteral("400.00")) >= 70, true);
    QVERIFY(text.contains(QStringLiteral("28,000.00")));
}

void PrintingTest::pageCountAddsUp()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    Prompt::Scripted prompts;
    const int plain = pdfPages(desk.print({}));
    const int withLetterAndInvoice = pdfPages(desk.print({"fld_ClientLetter", "fld_Invoice"}));
    // Every item starts a page: the whole return has the pages of each form
    // printed alone, one or two pages for each slip, and the letter and the
    // invoice one each.
    // Each print saves the return, which reorders its form list: walk a copy.
    QList<ReturnPrinter::Selection> forms;
    for (const STRUCT_FORMDATA_ITEM_2004* form : desk.family->taxpayer()->forms())
        forms.append({0, form->formType, form->uniqueId});
    int sum = 0;
    for (const ReturnPrinter::Selection& form : forms) {
        desk.printer->setSelection(form);
        const int pages = pdfPages(desk.print({"fld_CurFormOnly"}));
        QVERIFY(pages >= 1);
        sum += pages;
    }
    QVERIFY(sum > int(desk.family->taxpayer()->forms().size()));
    const int slips = int(desk.family->taxpayer()->slips().size());
    QVERIFY(slips > 0);
    QVERIFY(plain - sum >= slips);
    QVERIFY(plain - sum <= 2 * slips);
    QCOMPARE(withLetterAndInvoice, plain + 2);
}

void PrintingTest::accentedNamesPrint()
{
    Desk desk(QStringLiteral("single_clean"), QStringLiteral("Zoé Lévesque.r21"), QStringLiteral("Impôts/Été"),
              QStringLiteral("Reçus PDF"));
    QVERIFY(desk.printer);
    desk.family->taxpayer()->t1()->setString("first_name", CString(QStringLiteral("Zoé")));
    desk.family->taxpayer()->t1()->setString("last_name", CString(QStringLiteral("Lévesque")));
    Prompt::Scripted prompts;
    const QString pdf = desk.print({});
    QCOMPARE(prompts.texts(), QStringList{});
    QCOMPARE(QFileInfo(pdf).fileName(), QStringLiteral("Zoé Lévesque.pdf"));
    QVERIFY(QFileInfo(pdf).absolutePath().endsWith(QStringLiteral("/Reçus PDF")));
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("Zoé Lévesque")));
    const double total = desk.family->taxpayer()->t1()->getFloat("15000");
    QVERIFY(text.contains(amountOnScreen(total)));
}

void PrintingTest::charactersBeyondTheBasicPlanePrint()
{
    // Java keeps these as surrogate pairs; the path must reach the report
    // maker and come back as the same characters.
    Desk desk(QStringLiteral("single_clean"), QStringLiteral("Zo\u00e9 \U0001F4C4.r21"), QStringLiteral("returns"),
              QStringLiteral("PDF \U0001F5C2"));
    QVERIFY(desk.printer);
    Prompt::Scripted prompts;
    const QString pdf = desk.print({});
    QCOMPARE(prompts.texts(), QStringList{});
    QCOMPARE(QFileInfo(pdf).fileName(), QStringLiteral("Zo\u00e9 \U0001F4C4.pdf"));
    QCOMPARE(QFileInfo(pdf).absolutePath(), QFileInfo(desk.outFolder).absoluteFilePath());
    QVERIFY(QFileInfo(pdf).size() > 0);
}

void PrintingTest::validationErrorsAskFirst_data()
{
    QTest::addColumn<int>("confirm");
    QTest::addColumn<bool>("printed");
    QTest::newRow("confirmed") << int(Prompt::Yes) << true;
    QTest::newRow("declined") << int(Prompt::No) << false;
}

void PrintingTest::validationErrorsAskFirst()
{
    QFETCH(int, confirm);
    QFETCH(bool, printed);
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    desk.family->taxpayer()->t1()->setString("mailing_city", CString());
    Prompt::Scripted prompts;
    prompts.press(Prompt::No).press(confirm);   // do not view them; then go on or not
    const QString pdf = desk.print({});
    QCOMPARE(prompts.texts().size(), 2);
    QVERIFY(prompts.texts().at(1).startsWith(QLatin1String("Do you still want to generate the printable file?")));
    QCOMPARE(!pdf.isEmpty(), printed);
    QCOMPARE(desk.pdfCount(), printed ? 1 : 0);
}

void PrintingTest::condensedPrint_data()
{
    QTest::addColumn<bool>("canNetfile");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("pdfs");
    QTest::addColumn<bool>("condensed");
    QTest::newRow("allowed") << true << int(Prompt::NoButton) << 1 << true;
    QTest::newRow("refused, personal copy instead") << false << int(Prompt::Yes) << 1 << false;
    QTest::newRow("refused, nothing") << false << int(Prompt::No) << 0 << false;
}

void PrintingTest::condensedPrint()
{
    QFETCH(bool, canNetfile);
    QFETCH(int, answer);
    QFETCH(int, pdfs);
    QFETCH(bool, condensed);
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    desk.config.m_CanCreateNetfile = canNetfile;
    Prompt::Scripted prompts;
    if (answer != Prompt::NoButton) prompts.press(answer);
    const QString pdf = desk.print({"fld_PrintOption_1"});
    QCOMPARE(prompts.unanswered(), 0);
    QCOMPARE(desk.pdfCount(), pdfs);
    if (!canNetfile)
        QCOMPARE(prompts.texts(), QStringList{QStringLiteral(
            "Since T1 Condensed Print is under CRA certification, a personal copy will be created instead.")});
    if (pdfs == 0) return;
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(amountOnScreen(desk.family->taxpayer()->t1()->getFloat("15000"))));
    // The condensed print has the lines with amounts only, no headings.
    QCOMPARE(!text.contains(QStringLiteral("Step 1 - Identification")), condensed);
    // This return's S.I.N. begins with 0: the condensed print says it gets
    // no barcode; a client copy says nothing of one.
    QCOMPARE(text.contains(QStringLiteral("This return gets no barcode")), condensed);
    if (!condensed) QVERIFY(!text.contains(QStringLiteral("barcode"), Qt::CaseInsensitive));
}

void PrintingTest::condensedSymbolsGiveTheStoredBlocksBack_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("spouse");
    QTest::addColumn<QString>("sin");         // the taxpayer's, when the scenario's gets no barcode
    QTest::addColumn<QString>("firstName");   // empty: the scenario's
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<int>("blocks");

    QTest::newRow("single") << "single_clean" << false << "271465585" << "" << "" << 1;
    QTest::newRow("coupled, taxpayer") << "couple_clean" << false << "527438915" << "" << "" << 1;
    QTest::newRow("coupled, spouse") << "couple_clean" << true << "527438915" << "" << "" << 1;
    QTest::newRow("a T2125 and a T776") << "business_two_jurisdictions" << false << "" << "" << "" << 3;
    QTest::newRow("accented name") << "single_clean" << false << "271465585" << "Zoé" << "Lévesque-Nuñez" << 1;
}

void PrintingTest::condensedSymbolsGiveTheStoredBlocksBack()
{
    QFETCH(QString, scenario);
    QFETCH(bool, spouse);
    QFETCH(QString, sin);
    QFETCH(QString, firstName);
    QFETCH(QString, lastName);
    QFETCH(int, blocks);

    Desk desk(scenario);
    QVERIFY(desk.printer);
    desk.config.m_CanCreateNetfile = true;
    TaxData_T1New* t1 = desk.family->taxpayer()->t1();
    if (!sin.isEmpty()) t1->setString("sin", CString(sin));
    if (!firstName.isEmpty()) {
        t1->setString("first_name", CString(firstName));
        t1->setString("last_name", CString(lastName));
    }
    if (spouse) desk.family->setCurIndv(CFamilyTaxData::kSpouse);
    Prompt::Scripted prompts;
    const QString pdf = desk.print({"fld_PrintOption_1"});
    QVERIFY2(prompts.unanswered() == 0, qPrintable(prompts.texts().join(QLatin1Char('\n'))));
    QVERIFY(!pdf.isEmpty());

    const QList<QByteArray> stored = storedBlocks(desk.returnFile(), spouse ? 1 : 0);
    QCOMPARE(stored.size(), blocks);
    for (const QByteArray& block : stored) QVERIFY(block.endsWith("-EOD"));
    if (!lastName.isEmpty()) QVERIFY(stored.constFirst().contains(lastName.toUtf8()));

    const QList<ReadSymbol> symbols = readSymbols(pdf);
    const QList<Label> labels = symbolLabels(pdfText(pdf));
    QVERIFY(!symbols.isEmpty());
    QCOMPARE(labels.size(), symbols.size());
    QList<QByteArray> joined;
    for (int i = 0; i < symbols.size(); ++i) {
        const ReadSymbol& symbol = symbols.at(i);
        const Label& label = labels.at(i);
        QCOMPARE(symbol.level, QStringLiteral("5"));
        QVERIFY2(symbol.module >= 3.9, qPrintable(QString::number(symbol.module)));   // 0.33 mm at 300 dpi
        QVERIFY(symbol.bytes.size() <= 800);
        // The parts of a block follow one another, numbered from 1.
        if (label.part == 1) joined.append(QByteArray());
        QCOMPARE(label.block, joined.size());
        QVERIFY(label.part <= label.of);
        joined.last() += symbol.bytes;
        if (label.part == label.of) QVERIFY(joined.last().size() > (label.of - 1) * 800);
    }
    QCOMPARE(joined, stored);
}

void PrintingTest::condensedWithoutBarcodeSaysWhy_data()
{
    QTest::addColumn<QString>("sin");
    QTest::addColumn<QString>("dateField");   // a date set on the T1, when not empty
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("validationErrors");
    QTest::addColumn<QString>("reason");

    QTest::newRow("S.I.N. beginning with 0") << "046454286" << "" << QDate() << false
                                             << "its social insurance number begins with 0";
    QTest::newRow("no S.I.N.") << "" << "" << QDate() << true << "the T1 has no social insurance number";
    QTest::newRow("S.I.N. failing its check")
        << "271465586" << "" << QDate() << true
        << "its social insurance number is not a valid one (nine digits that pass the check digit)";
    QTest::newRow("left Canada") << "271465585" << "date_of_departure" << QDate(2021, 6, 30) << true
                                 << "the person left Canada in 2021 (a date of departure is on the T1)";
    QTest::newRow("came to Canada") << "271465585" << "date_of_entry" << QDate(2021, 3, 1) << true
                                    << "the person came to Canada in 2021 (a date of entry is on the T1)";
}

void PrintingTest::condensedWithoutBarcodeSaysWhy()
{
    QFETCH(QString, sin);
    QFETCH(QString, dateField);
    QFETCH(QDate, date);
    QFETCH(bool, validationErrors);
    QFETCH(QString, reason);

    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    desk.config.m_CanCreateNetfile = true;
    TaxData_T1New* t1 = desk.family->taxpayer()->t1();
    t1->setString("sin", CString(sin));
    if (!dateField.isEmpty()) t1->setDate(dateField.toUtf8().constData(), date);
    Prompt::Scripted prompts;
    if (validationErrors) prompts.press(Prompt::No).press(Prompt::Yes);   // do not view them; print all the same
    const QString pdf = desk.print({"fld_PrintOption_1"});
    QCOMPARE(prompts.unanswered(), 0);
    QVERIFY(!pdf.isEmpty());
    QVERIFY(storedBlocks(desk.returnFile(), 0).isEmpty());
    const QString text = pdfText(pdf);
    const QString line = QStringLiteral("This return gets no barcode: %1.").arg(reason);
    QVERIFY2(text.simplified().contains(line), qPrintable(text.left(600)));
    QCOMPARE(text.count(QStringLiteral("gets no barcode")), 1);
    QVERIFY(symbolLabels(text).isEmpty());
    QVERIFY(readSymbols(pdf).isEmpty());
    // The lines are printed all the same.
    QVERIFY(text.contains(amountOnScreen(t1->getFloat("15000"))));
}

void PrintingTest::clientCopyPrintsAnswersAsThePageShowsThem()
{
    // A single employee in one province.
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    Prompt::Scripted prompts;
    const QString pdf = desk.print({});
    QCOMPARE(prompts.unanswered(), 0);
    const QString text = pdfText(pdf);

    // The T2203 every return holds is printed only with a second jurisdiction.
    QVERIFY(desk.family->taxpayer()->GetCountOfForm(156) == 1);
    QVERIFY(!text.contains(QStringLiteral("T2203")));
    QVERIFY(!text.contains(QStringLiteral("Multiple Jurisdictions")));
    // The language of correspondence as the page shows it (English, the
    // starting answer, is not stored in the file).
    QVERIFY(QRegularExpression(QStringLiteral("Your language of correspondence\\s+English\\s*\\n")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("Your marital status on December 31, 2021\\s+Single\\s*\\n")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("Province or territory of residence on December 31, 2021\\s+Ontario\\s*\\n"))
                .match(text).hasMatch());
    // A question not answered prints blank, never its code.
    QVERIFY(QRegularExpression(QStringLiteral("A\\) Do you have Canadian citizenship\\?[ ]*\\n")).match(text).hasMatch());
    // No answer about a spouse for a single person.
    QVERIFY(desk.family->taxpayer()->t1()->getBool("spouse_claim_off"));
    QVERIFY(!text.contains(QStringLiteral("do not claim the spouse")));
    QVERIFY(!text.contains(QStringLiteral("Your spouse's or common-law partner's information")));
    QVERIFY(!text.contains(QStringLiteral("Their first name")));
    // No choice anywhere prints as a bare code: after the label of every
    // list of answers, a text or nothing.
    int choices = 0;
    for (const STRUCT_FORMDATA_ITEM_2004* form : desk.family->taxpayer()->forms()) {
        if (form->formType == 156) continue;
        for (const LayoutTable& part : form->object->pageLayout())
            for (int i = 0; i < part.count; ++i) {
                const LayoutRow& row = part.rows[i];
                if (row.kind != LayoutRow::Choice && !(row.kind == LayoutRow::Column && row.choices && *row.choices))
                    continue;
                const QString label = firstPrintedLine(QString::fromUtf8(row.label));
                int at = text.indexOf(label);
                if (at < 0) continue;
                ++choices;
                const QString rest = text.mid(at + label.size(), text.indexOf(QLatin1Char('\n'), at) - at - label.size());
                QVERIFY2(!QRegularExpression(QStringLiteral("^\\s*-?\\d+\\s*$")).match(rest).hasMatch(),
                         qPrintable(label + rest));
            }
    }
    QVERIFY(choices >= 8);

    // Asked for alone, the T2203 prints, its jurisdiction by name.
    STRUCT_FORMDATA_ITEM_2004* t2203 = desk.family->taxpayer()->GetFormDataItem(156, false);
    QVERIFY(t2203);
    desk.printer->setSelection({0, 156, t2203->uniqueId});
    const QString alone = pdfText(desk.print({"fld_CurFormOnly"}));
    QVERIFY(alone.contains(QStringLiteral("Multiple Jurisdictions")));
    QVERIFY(QRegularExpression(QStringLiteral("\\n\\s*Ontario\\s")).match(alone).hasMatch());
}

void PrintingTest::secondJurisdictionPrintsTheT2203ByName()
{
    // An Ontario resident whose business is in Alberta.
    Desk desk(QStringLiteral("business_two_jurisdictions"), QStringLiteral("Lucas Moreau.r21"));
    QVERIFY(desk.printer);
    const QString findings = validationFindings(*desk.family);
    QVERIFY2(findings.isEmpty(), qPrintable(findings));
    Prompt::Scripted prompts;
    const QString pdf = desk.print({});
    QCOMPARE(prompts.unanswered(), 0);
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("Provincial and Territorial Taxes for 2021 - Multiple Jurisdictions")));

    const QList<Word> words = pdfWords(pdf);
    int page = 0;
    double headTop = 0, bodyTop = 0, bodyEnd = 0;   // the table: its heading, first row, the line after it
    for (const Word& w : words) {
        if (w.text == QLatin1String("Jurisdictions") && page == 0 && w.xMin < 60) {
            page = w.page;
            headTop = w.yMin;
        }
        if (!page || w.page != page || w.xMin > 60) continue;
        if ((w.text == QLatin1String("Ontario") || w.text == QLatin1String("Alberta")) && !bodyTop) bodyTop = w.yMin;
        if (w.text == QLatin1String("23600") && !bodyEnd) bodyEnd = w.yMin;
    }
    QVERIFY2(page > 0 && bodyTop > headTop && bodyEnd > bodyTop, "the T2203's table");
    // Seven columns across the page between the 48-point margins.
    const double left = 48, width = (612.0 - 2 * left) / 7;
    QMap<int, QList<Word>> heading;   // by column
    int amounts = 0;
    QSet<int> rows;
    for (const Word& w : words) {
        if (w.page != page || w.yMin <= headTop + 2 || w.yMin > bodyEnd - 1) continue;
        const int column = int((w.xMin - left) / width);
        // Every word inside its own column: no heading runs into the next.
        QVERIFY2(w.xMin >= left - 0.5 && w.xMax <= left + (column + 1) * width + 0.5, qPrintable(w.text));
        if (w.yMin < bodyTop - 1) {
            heading[column] << w;
            continue;
        }
        rows.insert(int(w.yMin));
        // Amounts end at their column's right edge, as on the lines.
        if (QRegularExpression(QStringLiteral("^[\\d,]+\\.\\d\\d$")).match(w.text).hasMatch()) {
            ++amounts;
            QVERIFY2(qAbs(w.xMax - (left + (column + 1) * width - 3)) < 1.5, qPrintable(w.text));
        }
        QVERIFY2(!QRegularExpression(QStringLiteral("^\\d+$")).match(w.text).hasMatch(), qPrintable(w.text));
    }
    // Each heading whole in its column, line after line.
    QStringList heads;
    for (QList<Word>& column : heading) {
        std::sort(column.begin(), column.end(), [](const Word& a, const Word& b) {
            return qAbs(a.yMin - b.yMin) > 1 ? a.yMin < b.yMin : a.xMin < b.xMin;
        });
        QStringList text;
        for (const Word& w : column) text << w.text;
        heads << text.join(QLatin1Char(' '));
    }
    QCOMPARE(heads, QStringList({"Jurisdiction (none: outside Canada)", "Gross revenue", "Salaries and wages",
                                 "Business income allocated", "Percentage", "Taxable income allocated",
                                 "Provincial or territorial tax"}));
    QVERIFY(amounts >= 4);
    // Both jurisdictions by name.
    QVERIFY(QRegularExpression(QStringLiteral("\\n\\s*Ontario\\s")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("\\n\\s*Alberta\\s")).match(text).hasMatch());

    // Counts print as whole numbers: the T776's units, the T2202's months.
    QVERIFY(QRegularExpression(QStringLiteral("88 Queen St.*\\s2\\s")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("2021-01\\s+2021-04\\s+4\\s+1,850\\.00")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("Total number of months part-time\\s+4\\s*\\n")).match(text).hasMatch());
    QVERIFY(!text.contains(QStringLiteral(" 4.00")));
}

void PrintingTest::outputFolderThatCannotBeMade()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    QFile blocker(desk.dir.filePath(QStringLiteral("a file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    desk.config.m_RetPdfPath = desk.dir.filePath(QStringLiteral("a file/pdf"));
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    QVERIFY(desk.print({}).isEmpty());
    QCOMPARE(prompts.titles(), QStringList{QStringLiteral("Quillmere 2020")});
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral(
        "Quillmere cannot open or create the file folder for printable tax form (.pdf) file.")});
    // The return was saved all the same.
    QVERIFY(QFileInfo(QDir(desk.returnFolder).filePath(QStringLiteral("Maya Okafor.r21"))).size() > 0);
}

void PrintingTest::failedSavePrintsNothing()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    desk.printer->setSaver([](const QString&) { return false; });
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    QVERIFY(desk.print({}).isEmpty());
    QCOMPARE(prompts.texts().size(), 1);
    QVERIFY(prompts.texts().constFirst().contains(QLatin1String("nothing was printed")));
    QCOMPARE(desk.pdfCount(), 0);
}

void PrintingTest::pdfThatCannotBeWrittenLeavesNothing()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    // A folder where the PDF would go: it cannot be replaced.
    QVERIFY(QDir().mkpath(QDir(desk.outFolder).filePath(QStringLiteral("Maya Okafor.pdf/kept"))));
    Prompt::Scripted prompts;
    prompts.press(Prompt::Ok);
    QVERIFY(desk.print({}).isEmpty());
    QCOMPARE(prompts.texts().size(), 1);
    QVERIFY(prompts.texts().constFirst().startsWith(QLatin1String("The output PDF file is now opened by another application")));
    QVERIFY(prompts.texts().constFirst().endsWith(QLatin1String(", error code is -117.")));
    QCOMPARE(QDir(desk.outFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Maya Okafor.pdf")});
}

void PrintingTest::cancelPrintsNothing()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    Prompt::Scripted prompts;
    Modal::when<DlgPrintOption_Info>([](DlgPrintOption_Info* d) { click(d, QStringLiteral("btnCancel")); });
    desk.printer->OnFileCreatePdfFile(false);
    QCOMPARE(Modal::dropWaiting(), 0);
    QVERIFY(prompts.asked().isEmpty());
    QVERIFY(!QFileInfo::exists(QDir(desk.returnFolder).filePath(QStringLiteral("Maya Okafor.r21"))));
    QCOMPARE(desk.pdfCount(), 0);
}

void PrintingTest::pathCallerGetsNoAfterPrintStep()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    bool shown = false;
    Modal::when<DlgPenvaultAfterPrint>([&shown](DlgPenvaultAfterPrint* d) {
        shown = true;
        d->reject();
    });
    Prompt::Scripted prompts;
    CString path;
    QCOMPARE(desk.printer->CreatePDF(0, 96, 0, 0, &path), 0);
    QCOMPARE(Modal::dropWaiting(), 1);
    QVERIFY(!shown);
    QCOMPARE(path.toQString(), QDir::toNativeSeparators(QDir(desk.outFolder).filePath(QStringLiteral("Maya Okafor.pdf"))));
    QCOMPARE(desk.printer->sent, 0);
}

void PrintingTest::deliveryGetsTheTypedAddress()
{
    Desk desk(QStringLiteral("single_clean"));
    QVERIFY(desk.printer);
    Prompt::Scripted prompts;
    const QString pdf = desk.print({}, QStringLiteral("client@example.ca"));
    QCOMPARE(desk.offered, QStringLiteral("maya.okafor@example.ca"));   // the taxpayer's, from the return
    QCOMPARE(desk.afterPrintTitle, QStringLiteral("Generate Printable Return File"));
    QCOMPARE(desk.printer->sent, 1);
    QCOMPARE(desk.printer->sentType, 0);
    QCOMPARE(desk.printer->sentTo, QStringLiteral("client@example.ca"));
    QCOMPARE(desk.printer->sentPdf, pdf);
}

void PrintingTest::everyPrintSharedOneJvm()
{
    QCOMPARE(JavaVMEnv::getInstance()->createdVMs(), 1);
    // Once started, the host reads no setting again until the next run.
    JavaVMEnv::setSettingsSource([]() {
        JavaVMEnv::Settings s;
        s.classPath = QStringLiteral("/nowhere.jar");
        return s;
    });
    QCOMPARE(JavaVMEnv::getInstance()->Init(), 0);
    QCOMPARE(JavaVMEnv::getInstance()->createdVMs(), 1);
}

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
