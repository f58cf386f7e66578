#include "common/DecimalText.h"
#include "common/Rounding.h"
#include "common/SettingsStore.h"
#include "dialogs/config/ColourCheck.h"
#include "dialogs/config/ColourDialog.h"
#include "fakes/FakePrompts.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace brannock;
using brannock::test::FakePrompts;

Q_DECLARE_METATYPE(brannock::ColourTarget)

class TestColourDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void parseDecimal_data();
    void parseDecimal();
    void roundHalfEven_data();
    void roundHalfEven();
    void checkColourText_data();
    void checkColourText();
    void typingIsCheckedAtOnce();
    void emptyStoreOpensWhite();
    void eachDialogLoadsAndSavesItsOwnKeys_data();
    void eachDialogLoadsAndSavesItsOwnKeys();
    void closingWithoutOkSavesNothing_data();
    void closingWithoutOkSavesNothing();
    void fieldsAreColouredAfterTheirComponent();
    void failedSaveIsReportedAndKeepsTheDialogOpen();

private:
    QLineEdit *field(ColourDialog &dialog, const char *name)
    {
        return dialog.findChild<QLineEdit *>(QString::fromLatin1(name));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    QString m_ini;
    FakePrompts m_prompts;
};

void TestColourDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_ini = m_dir->filePath(QStringLiteral("Brannock.ini"));
    m_store = std::make_unique<SettingsStore>(m_ini);
    m_prompts = FakePrompts();
}

void TestColourDialog::parseDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "  " << false << 0.0;
    QTest::newRow("whole") << "12" << true << 12.0;
    QTest::newRow("surrounding blanks") << " \t12  " << true << 12.0;
    QTest::newRow("plus") << "+3" << true << 3.0;
    QTest::newRow("negative fraction") << "-0.4" << true << -0.4;
    QTest::newRow("point first") << ".5" << true << 0.5;
    QTest::newRow("point last") << "5." << true << 5.0;
    QTest::newRow("exponent") << "1e2" << true << 100.0;
    QTest::newRow("signed exponent") << "2.5E-1" << true << 0.25;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("exponent sign only") << "1e+" << false << 0.0;
    QTest::newRow("exponent only") << "e2" << false << 0.0;
    QTest::newRow("two signs") << "--1" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("sign then blank") << "- 1" << false << 0.0;
    QTest::newRow("trailing letter") << "12a" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("comma") << "1,5" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("too large") << "1e400" << true << qInf();
    QTest::newRow("too large negative") << "-1e400" << true << -qInf();
    QTest::newRow("long digits") << QString(400, u'9') << true << qInf();
    QTest::newRow("too small") << "1e-400" << true << 0.0;
    QTest::newRow("small mantissa large exponent") << "0.0001e400" << true << qInf();
    QTest::newRow("huge exponent digits") << "1e99999999999999999999" << true << qInf();
}

void TestColourDialog::parseDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    const std::optional<double> parsed = brannock::parseDecimal(text);
    QCOMPARE(parsed.has_value(), numeric);
    if (numeric)
        QCOMPARE(*parsed, value);
}

void TestColourDialog::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("whole");
    QTest::newRow("12.5") << 12.5 << 12.0;
    QTest::newRow("13.5") << 13.5 << 14.0;
    QTest::newRow("254.7") << 254.7 << 255.0;
    QTest::newRow("0.49") << 0.49 << 0.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("huge") << 1e300 << 1e300;
}

void TestColourDialog::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, whole);
    QCOMPARE(brannock::roundHalfEven(value), whole);
}

void TestColourDialog::checkColourText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("shown"); // what the field shows afterwards

    QTest::newRow("empty") << "" << 0 << "0";
    QTest::newRow("minus only") << "-" << 0 << "0";
    QTest::newRow("word") << "red" << 0 << "0";
    QTest::newRow("255 stays") << "255" << 255 << "255";
    QTest::newRow("256") << "256" << 255 << "255";
    QTest::newRow("-1") << "-1" << 0 << "0";
    QTest::newRow("-0.4 stays as typed") << "-0.4" << 0 << "-0.4";
    QTest::newRow("-0.5 is zero") << "-0.5" << 0 << "-0.5";
    QTest::newRow("-0.6") << "-0.6" << 0 << "0";
    QTest::newRow("1e2 stays") << "1e2" << 100 << "1e2";
    QTest::newRow("blank kept") << " 12" << 12 << " 12";
    QTest::newRow("fraction kept") << "12.4" << 12 << "12.4";
    QTest::newRow("half to even down") << "254.5" << 254 << "254.5";
    QTest::newRow("half to even up") << "255.5" << 255 << "255";
    QTest::newRow("254.7") << "254.7" << 255 << "254.7";
    QTest::newRow("beyond 16 bits") << "40000" << 255 << "255";
    QTest::newRow("beyond 16 bits negative") << "-40000" << 0 << "0";
    QTest::newRow("beyond double") << "1e400" << 255 << "255";
    QTest::newRow("beyond double negative") << "-1e400" << 0 << "0";
}

void TestColourDialog::checkColourText()
{
    QFETCH(QString, text);
    QFETCH(int, component);
    QFETCH(QString, shown);
    const ColourCheck check = brannock::checkColourText(text);
    QCOMPARE(check.component, component);
    QCOMPARE(check.replaced.value_or(text), shown);
    if (shown == text)
        QVERIFY(!check.replaced.has_value());
}

void TestColourDialog::typingIsCheckedAtOnce()
{
    m_store->WriteSetting(schema::ColorR1, QStringLiteral("10"));
    ColourDialog dialog(*m_store, m_prompts, ColourTarget::Color1);
    QLineEdit *red = field(dialog, "TxtR");

    QStringList shown;
    red->selectAll();
    for (const char key : {'3', '0', '0'}) {
        QTest::keyClick(red, key);
        shown << red->text();
    }
    QCOMPARE(shown, QStringList({"3", "30", "255"}));
    QCOMPARE(dialog.previewColour(), QColor(255, 255, 255));

    red->selectAll();
    QTest::keyClick(red, Qt::Key_Backspace);
    QCOMPARE(red->text(), QStringLiteral("0"));

    red->selectAll();
    QTest::keyClick(red, '-');
    QCOMPARE(red->text(), QStringLiteral("0"));

    // A program-set text is checked like a typed one, and the preview follows.
    field(dialog, "TxtG")->setText(QStringLiteral("-7"));
    field(dialog, "TxtB")->setText(QStringLiteral("12.5"));
    QCOMPARE(field(dialog, "TxtG")->text(), QStringLiteral("0"));
    QCOMPARE(field(dialog, "TxtB")->text(), QStringLiteral("12.5"));
    QCOMPARE(dialog.previewColour(), QColor(0, 0, 12));
    QVERIFY(m_prompts.calls.isEmpty());
}

void TestColourDialog::emptyStoreOpensWhite()
{
    ColourDialog dialog(*m_store, m_prompts, ColourTarget::Text);
    for (const char *name : {"TxtR", "TxtG", "TxtB"})
        QCOMPARE(field(dialog, name)->text(), QStringLiteral("255"));
    QCOMPARE(dialog.previewColour(), QColor(Qt::white));
    QVERIFY(!QFile::exists(m_ini)); // loading writes nothing

    dialog.findChild<QPushButton *>(QStringLiteral("CmdOK"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_store->ReadSetting(schema::ColorTxtR), QStringLiteral("255"));
    QCOMPARE(m_store->ReadSetting(schema::ColorTxtG), QStringLiteral("255"));
    QCOMPARE(m_store->ReadSetting(schema::ColorTxtB), QStringLiteral("255"));
}

void TestColourDialog::eachDialogLoadsAndSavesItsOwnKeys_data()
{
    QTest::addColumn<ColourTarget>("target");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("Color 1") << ColourTarget::Color1 << "FrmColor1" << "Color 1" << QStringList{"R1", "G1", "B1"};
    QTest::newRow("Color 2") << ColourTarget::Color2 << "FrmColor2" << "Color 2" << QStringList{"R2", "G2", "B2"};
    QTest::newRow("Text") << ColourTarget::Text << "FrmColorTxt" << "Text Color"
                          << QStringList{"TxtR", "TxtG", "TxtB"};
}

void TestColourDialog::eachDialogLoadsAndSavesItsOwnKeys()
{
    QFETCH(ColourTarget, target);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QStringList, keys);
    const QString color = QStringLiteral("Color");
    m_store->WriteSetting(color, keys[0], QStringLiteral("300"));
    m_store->WriteSetting(color, keys[1], QStringLiteral("12"));
    m_store->WriteSetting(color, keys[2], QStringLiteral(" 7"));

    {
        ColourDialog dialog(*m_store, m_prompts, target);
        QCOMPARE(dialog.objectName(), name);
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE(field(dialog, "TxtR")->text(), QStringLiteral("255"));
        QCOMPARE(field(dialog, "TxtG")->text(), QStringLiteral("12"));
        QCOMPARE(field(dialog, "TxtB")->text(), QStringLiteral(" 7"));
        QCOMPARE(dialog.previewColour(), QColor(255, 12, 7));
        dialog.findChild<QPushButton *>(QStringLiteral("CmdCancel"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(m_store->ReadSetting(color, keys[0]), QStringLiteral("300"));

    {
        ColourDialog dialog(*m_store, m_prompts, target);
        field(dialog, "TxtG")->setText(QStringLiteral("1e2"));
        dialog.findChild<QPushButton *>(QStringLiteral("CmdOK"))->click();
    }
    QCOMPARE(m_store->ReadSetting(color, keys[0]), QStringLiteral("255"));
    QCOMPARE(m_store->ReadSetting(color, keys[1]), QStringLiteral("1e2"));
    QCOMPARE(m_store->ReadSetting(color, keys[2]), QStringLiteral(" 7"));
    // No other colour's keys were touched.
    for (const char *other : {"R1", "G1", "B1", "R2", "G2", "B2", "TxtR", "TxtG", "TxtB"})
        if (!keys.contains(QLatin1String(other)))
            QCOMPARE(m_store->ReadSetting(color, QString::fromLatin1(other), QStringLiteral("<missing>")),
                     QStringLiteral("<missing>"));
}

void TestColourDialog::closingWithoutOkSavesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("frame") << "frame";
    QTest::newRow("from outside") << "reject";
    QTest::newRow("Enter saves") << "Enter";
}

void TestColourDialog::closingWithoutOkSavesNothing()
{
    QFETCH(QString, how);
    ColourDialog dialog(*m_store, m_prompts, ColourTarget::Color2);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit *green = field(dialog, "TxtG");
    green->setFocus();
    green->setText(QStringLiteral("42"));
    if (how == QLatin1String("Esc"))
        QTest::keyClick(green, Qt::Key_Escape);
    else if (how == QLatin1String("Enter"))
        QTest::keyClick(green, Qt::Key_Return);
    else if (how == QLatin1String("frame"))
        dialog.close();
    else
        dialog.reject();
    QVERIFY(!dialog.isVisible());
    const bool saves = how == QLatin1String("Enter");
    QCOMPARE(m_store->ReadSetting(schema::ColorG2, QStringLiteral("<missing>")),
             saves ? QStringLiteral("42") : QStringLiteral("<missing>"));
}

void TestColourDialog::fieldsAreColouredAfterTheirComponent()
{
    ColourDialog dialog(*m_store, m_prompts, ColourTarget::Color1);
    const struct {
        const char *name;
        QColor background, text;
    } expected[] = {{"TxtR", QColor(128, 0, 0), QColor(255, 0, 0)},
                    {"TxtG", QColor(0, 128, 0), QColor(0, 255, 0)},
                    {"TxtB", QColor(0, 0, 128), QColor(0, 0, 255)}};
    for (const auto &e : expected) {
        const QPalette palette = field(dialog, e.name)->palette();
        QCOMPARE(palette.color(QPalette::Base), e.background);
        QCOMPARE(palette.color(QPalette::Text), e.text);
    }
}

void TestColourDialog::failedSaveIsReportedAndKeepsTheDialogOpen()
{
    ColourDialog dialog(*m_store, m_prompts, ColourTarget::Color1);
    dialog.show();
    field(dialog, "TxtR")->setText(QStringLiteral("9"));
    QVERIFY(QDir().mkpath(m_ini)); // the store breaks while the dialog is open
    dialog.findChild<QPushButton *>(QStringLiteral("CmdOK"))->click();

    QCOMPARE(m_prompts.titles(), QStringList{QStringLiteral("Color Error!")});
    QVERIFY(m_prompts.calls.first().text.startsWith(QStringLiteral("Error 1001:\r\n")));
    QCOMPARE(m_prompts.calls.first().icon, PromptIcon::Exclamation);
    QVERIFY(dialog.isVisible());
    QCOMPARE(field(dialog, "TxtR")->text(), QStringLiteral("9"));
}

QTEST_MAIN(TestColourDialog)
#include "tst_colour_dialog.moc"
