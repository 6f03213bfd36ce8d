// The auto-fill options page as a user clicks it: the radio group and each
// check box write their own field of the holder, the answer each query then
// gives, and Finish refused until one of the two radio buttons is chosen.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include "afrpages.h"
#include "autofill/dataafr.h"
#include "wizardbase.h"

namespace {

// Every check box with its field and what it governs: a slip type, or a
// query's name (type 0).
struct Box
{
    const char* name;
    int slipType;
    const char* query;
};

const Box kBoxes[] = {
    {"fld_bT4", 1, nullptr},       {"fld_bT4A", 2, nullptr},        {"fld_bT4AP", 3, nullptr},
    {"fld_bT4E", 5, nullptr},      {"fld_bT4AOAS", 6, nullptr},     {"fld_bT4RIF", 7, nullptr},
    {"fld_bT3", 9, nullptr},       {"fld_bT5", 8, nullptr},         {"fld_bTuition", 0, "tuition"},
    {"fld_bT2202", 25, nullptr},   {"fld_bRRSPLimit", 0, "limit"},  {"fld_bT4RSP", 4, nullptr},
    {"fld_bRRSPContribution", 0, "contribution"}, {"fld_bRC62", 17, nullptr}, {"fld_bRC210", 18, nullptr},
    {"fld_bT5007", 11, nullptr},   {"fld_bT5008", 19, nullptr},     {"fld_bT1204", 23, nullptr},
    {"fld_bPRPP", 22, nullptr},    {"fld_bInstalment", 0, "instalment"}, {"fld_bHBPLLP", 0, "hbpllp"},
    {"fld_bMBSB", 21, nullptr},
};

bool ask(const DataAFR& o, const QString& query)
{
    if (query == "tuition") return o.allowTuition();
    if (query == "limit") return o.allowRRSPLimit();
    if (query == "contribution") return o.allowRRSPContribution();
    if (query == "instalment") return o.allowInstalment();
    return o.allowHBPLLP();
}

// Which of the holder's answers are yes.
QStringList yeses(const DataAFR& o)
{
    QStringList out;
    for (int type = 0; type <= 26; ++type)
        if (o.allowApplySlip(ENUMTYPE_SLIP(type))) out << QString::number(type);
    for (const char* q : {"tuition", "limit", "contribution", "instalment", "hbpllp"})
        if (ask(o, q)) out << q;
    return out;
}

// A check box or radio button reacts only to a click on its indicator or
// text, not anywhere in its width: click the indicator.
void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

struct Wizard
{
    DataAFR options;
    WizardBase wizard{nullptr, QStringLiteral("Auto-Fill Tax Return")};
    AFR_Option* page;
    Wizard() : page(new AFR_Option(&options, &wizard))
    {
        wizard.addPage(page);
        wizard.initUI(800, 700);
        wizard.show();
    }
    QAbstractButton* radio(int id) { return page->findChild<QRadioButton*>(QStringLiteral("fld_iFillOption_%1").arg(id)); }
    QCheckBox* box(const char* name) { return page->findChild<QCheckBox*>(QLatin1String(name)); }
};

} // namespace

class TstAfrOption : public QObject
{
    Q_OBJECT

private slots:
    void freshPageChoosesAllAndTicksNothing();
    void eachBoxWritesItsField_data();
    void eachBoxWritesItsField();
    void allElementsIgnoresTheTicks();
    void finishRefusedWithoutAChoice();
};

void TstAfrOption::freshPageChoosesAllAndTicksNothing()
{
    DataAFR untouched;
    QCOMPARE(untouched.fillOption(), -1);
    Wizard w;
    QCOMPARE(w.options.fillOption(), 0);
    QVERIFY(w.radio(0)->isChecked());
    QVERIFY(!w.radio(1)->isChecked());
    QCOMPARE(w.radio(0)->text(), QString("Select all tax data elements"));
    for (const Box& b : kBoxes) {
        QVERIFY2(w.box(b.name), b.name);
        QVERIFY(!w.box(b.name)->isChecked());
        QVERIFY(w.box(b.name)->isEnabled());
        QCOMPARE(w.box(b.name)->focusPolicy(), Qt::StrongFocus);
    }
    QCOMPARE(w.box("fld_bT3")->text(), QString("T3 tax slip"));
    QCOMPARE(w.box("fld_bMBSB")->text(), QString("Manitoba shelter benefit"));
}

void TstAfrOption::eachBoxWritesItsField_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");
    for (const Box& b : kBoxes)
        QTest::newRow(b.name) << QString(b.name)
                              << QStringList{b.query ? QString(b.query) : QString::number(b.slipType)};
}

void TstAfrOption::eachBoxWritesItsField()
{
    QFETCH(QString, name);
    QFETCH(QStringList, expected);
    Wizard w;
    click(w.radio(1));
    QCOMPARE(w.options.fillOption(), 1);
    QCOMPARE(yeses(w.options), QStringList{});
    QCheckBox* box = w.box(name.toLatin1().constData());
    click(box);
    QVERIFY(w.options.tick(name.toLatin1().constData()));
    QCOMPARE(yeses(w.options), expected);
    click(box);
    QVERIFY(!w.options.tick(name.toLatin1().constData()));
}

void TstAfrOption::allElementsIgnoresTheTicks()
{
    Wizard w;
    click(w.radio(1));
    click(w.box("fld_bT4"));
    click(w.radio(0));
    QCOMPARE(w.options.fillOption(), 0);
    QVERIFY(w.box("fld_bT4")->isChecked()); // kept as it was, only not used
    QCOMPARE(yeses(w.options).size(), 27 + 5);
}

void TstAfrOption::finishRefusedWithoutAChoice()
{
    Wizard w;
    QButtonGroup* group = w.page->findChild<QButtonGroup*>("fld_iFillOption");
    group->setExclusive(false);
    w.radio(0)->setChecked(false);
    group->setExclusive(true);
    QTest::mouseClick(w.wizard.button(QWizard::FinishButton), Qt::LeftButton);
    QVERIFY(w.wizard.isVisible());
    QCOMPARE(w.options.fillOption(), -1);
    click(w.radio(1));
    QTest::mouseClick(w.wizard.button(QWizard::FinishButton), Qt::LeftButton);
    QVERIFY(!w.wizard.isVisible());
    QCOMPARE(w.wizard.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TstAfrOption)
#include "tst_afroption.moc"
