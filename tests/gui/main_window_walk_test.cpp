// SPDX-License-Identifier: MIT
// A walk through the real main window as a user takes it: for each of the 22 topics, the
// field's toolbar button, then the topic's label in the panel; the first worked example typed
// into the form's widgets, Enter (or OK), the results read back; then Help and Storno.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <ostream>

#include "form_panel_fixture.h"
#include "qt/forms/help_window.h"
#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

// One input of a worked example: the caption beside or above the control, and what the user
// does with it: types `text`, or (when `choose`) picks the list item `text`. A null text leaves
// the control as it is (a preset).
struct Input {
    int id;
    const char* caption;
    const char* text = nullptr;
    bool choose = false;
};

struct Result {
    int id;
    const char* text;
};

enum class Focus { None, FirstInput };       // where the focus is when the form opens
enum class After { Unchanged, FirstInput };  // where it is after a result

struct Topic {
    const char* name;
    int fieldButton;
    int label;
    const char* title;          // painted at the top of the form
    const char* resultCaption;  // caption above (or beside) the first result
    std::vector<Input> inputs;  // in the order the user fills them
    std::vector<Result> results;
    Focus atOpen;
    After afterResult;
    bool clickOk = false;  // OK clicked with the mouse instead of Enter
    int okId = 1;
    int stornoId = 2;
    int helpPicture = 0;             // 0: the form has no Help button
    bool pictureFromOpener = false;  // Help shows the picture the panel stored on opening

    friend void PrintTo(const Topic& t, std::ostream* os) { *os << t.name; }
};

const std::vector<Topic>& Topics() {
    // clang-format off
    static const std::vector<Topic> topics{
        {"Current", 1600, 150, "Proud", "Proud I (Amper) =",
         {{107, "Napětí U (Volt)", "12"}, {106, "Odpor R (Ohm)", "3"}}, {{111, "4.00000"}},
         Focus::FirstInput, After::FirstInput, false, 1, 2, 2002},
        {"Voltage", 1600, 198, "Napětí", "Napětí U (Volt) =",
         {{107, "Proud I (Amper)", "0.02"}, {106, "Odpor R (Ohm)", "470"}}, {{111, "9.40000"}},
         Focus::FirstInput, After::FirstInput, false, 1, 2, 2003},
        {"Resistance", 1600, 199, "Odpor", "Odpor R (Ohm)=",
         {{107, "Napětí U (Volt)", "230"}, {106, "Proud I (Amper)", "0.5"}}, {{111, "460.00000"}},
         Focus::FirstInput, After::FirstInput, false, 1, 2, 2004},
        {"Coil", 1600, 151, "Cívka v obvodě střídavého proudu", "Induktivní odpor cívky XL v ohmech =",
         {{107, "Frekvence f  (Hertz)", "50"}, {106, "Indukčnost cívky L (Henry)", "0.1"}}, {{111, "31.40000"}},
         Focus::FirstInput, After::Unchanged, true, 1, 2, 2005},
        {"Capacitor", 1600, 152, "Kondenzátor v obvodě střídavého proudu",
         "Kapacitní odpor kondenzátoru Xc v ohmech =",
         {{107, "Frekvence f  (Hertz)", "50"}, {106, "Kapacita kondenzátoru C (Farad)", "1e-6"}},
         {{111, "3184.71338"}}, Focus::FirstInput, After::Unchanged, false, 1, 2, 2006},
        {"Transformer", 1600, 153, "Transformátor", "Sekundární napětí U2 =",
         {{107, "Počet závitů prim.vinutí N1", "1000"},
          {106, "Počet závitů sec.vinutí N2", "50"},
          {105, "Primární napětí U1", "230"}},
         {{111, "12"}}, Focus::FirstInput, After::Unchanged, false, 1, 2, 2007},
        {"ConductorResistance", 1600, 157, "Odpor vodiče", "Odpor vodiče =",
         {{107, "Měrný odpor materialu ró", "měď 0.0175", true},
          {106, "Průřez vodiče v mm čtverečních S", "1.5"},
          {105, "Délka vodiče v metrech l", "100"}},
         {{111, "1.16667"}}, Focus::FirstInput, After::Unchanged, false, 1, 2, 2008},
        {"FluorescentForBulb", 1600, 155, "Zářivka za žárovku", "Příkon zářivky,která jí nahradí =",
         {{107, "Příkon žárovky ve wattech", "60"}}, {{111, "16.21"}},
         Focus::None, After::Unchanged, false, 1, 2, 2013},
        {"LuminousFlux", 1600, 159, "Světelný tok", "Světelný tok v lumenech =",
         {{107, "Světelný tok na watt příkonu", "Zářivka kompaktní 53 ", true},
          {106, "Příkon spotřebiče ve wattech", "20"}},
         {{111, "1060.00"}}, Focus::FirstInput, After::Unchanged, false, 1, 2, 2014},
        {"InputPower", 1600, 160, "Příkon spotřebiče", "Příkon spotřebiče (watt) =",
         {{107, "Proud obvodu spotřebiče (amper)", "0.5"}, {106, "Napětí obvodu (volt)", "230"}},
         {{111, "115.00000"}}, Focus::FirstInput, After::FirstInput, false, 1, 2, 2015},
        {"ActivePower", 1600, 161, "Činný výkon spotř.s induk.odporem", "Činný výkon spotřebiče (watt) =",
         {{204, "Účiník spotřebiče cos(fí)", "0.8", true}, {106, "Proud (amper)", "2"}, {105, "Napětí (volt)", "230"}},
         {{111, "368.00"}}, Focus::None, After::Unchanged, false, 1, 2, 2016},
        {"VoltageDrop", 1600, 169, "Úbytek napětí vlivem odp.vodiče", "Úbytek napětí delta U (volt) =",
         {{107, "Proud obvodu spotřebiče (amper)", "2"}, {106, "Odpor vodiče (ohm)", "0.35"}}, {{111, "0.70"}},
         Focus::None, After::Unchanged, false, 1, 2, 2012},
        {"WallThermalResistance", 1601, 207, "Tepelný odpor stěny", "Tepelný odpor R stěny =",
         {{208, "Součinitel tep.vodivosti LAMBDA", "Cihly pálené 0.86", true},
          {207, "Tloušťka vrstvy v metrech", "0.3"}},
         {{111, "0.348837"}}, Focus::FirstInput, After::Unchanged, false, 1, 2, 2017},
        {"GravitationLaw", 1602, 214, "Newtonův gravitační zákon", "Tělesa se přitahují silou(N) =",
         {{107, "Hmotnost prvního tělesa m1(kg)", "Země 6e24", true},
          {106, "Hmotnost druhého tělesa m2(kg)", "Měsíc 7.5e22", true},
          {105, "Vzdálenost těles r(metr)", "Země Měsíc 3.8e8", true}},
         {{111, "2.08e+020"}}, Focus::FirstInput, After::Unchanged, false, 1, 2, 2000, true},
        {"GravitationalAcceleration", 1602, 229, "Gravitační zrychleni", "Gravitační zrychlení Fg(m/s) =",
         {{107, "Hmotnost tělesa M(kg)", "6e24"}, {106, "Vzdálenost od středu tělesa r(m)", "6.378e6"}},
         {{111, "9.83803"}}, Focus::FirstInput, After::FirstInput, false, 1, 2, 234, true},
        {"FreeFall", 1602, 235, "Volný pád", "Dráha s (m)",
         {{107, "Gravit.zrychlení g (m/s)", "9.81"}, {106, "Čas t (sekunda)", "2"}}, {{111, "19.620"}},
         Focus::FirstInput, After::FirstInput, false, 1, 2, 2001},
        {"LensPower", 1603, 299, "Optická mohutnost čočky(dioptrie)", "Optická mohutnost =",
         {{306, "Index lomu materialu čočky"},
          {300, "Index lomu okolí"},
          {301, "Poloměr křivosti (r1)metr", "0.1"},
          {302, "Poloměr křivosti (r2)metr", "0.1"}},
         {{111, "10.000"}}, Focus::FirstInput, After::FirstInput, false, 226, 227, 2009},
        {"AerodynamicDrag", 1604, 248, "Aerodynamiká odporová síla", "Aerodynamická odporová síla (N) =",
         {{306, "Součinitel odporu C"},
          {300, "Hustota okolí ró(kg/m3)"},
          {301, "Obsah průřezu tělesa kolmého ke směru pohybu S(m2)", "2"},
          {302, "Rychlost tělesa v (m/s)", "30"}},
         {{111, "351.000"}}, Focus::FirstInput, After::FirstInput, false, 1, 2, 2010},
        {"Buoyancy", 1604, 246, "Archimédův zákon", "Vztlaková síla (N) =",
         {{240, "Objem tělesa (m3)", "0.002"},
          {241, "Hustota tělesa ró(kg/m3)", "7800"},
          {242, "Gravitační zrychlení (m/s)"},
          {243, "Objem vytláčené kapaliny (m3)", "0.002"},
          {244, "Hustota kapaliny ro (kg/m3)"}},
         {{111, "19.620"}, {250, "13.600"}}, Focus::FirstInput, After::FirstInput},
        {"LiquidMixing", 1604, 258, "Roztoky kapalin", "Množství přidaných litrů pro vznik roztoku určených vlastností:",
         {{1202, "Kolik litrů máme základní kapaliny", "10"},
          {1203, "Jaká je její teplota, nebo kolik má procent", "20"},
          {1204, "Jak teplou, nebo kolika procentní kapalinu chcete získat", "40"},
          {1206, "Jak teplá,nebo kolik má procent kapalina, kterou budeme přidávat", "80"}},
         {{1200, "5.00"}, {1205, "15.00"}}, Focus::FirstInput, After::Unchanged},
        {"HalfWaveDipole", 1605, 252, "Půlvlnový dipól", "Délka dipólu L (metr) =",
         {{107, "Přijímaný kmitočet (MHz)", "27"}}, {{111, "5.556"}}, Focus::FirstInput, After::FirstInput},
        {"CoaxCableLength", 1605, 254, "Délka koaxiálního kabelu", "Délka kabelu(od stínění po stínění)(m) =",
         {{107, "Přijímaná frekvence (MHz)", "27"},
          {106, "Katalogový činitel zkrácení", "0.66"},
          {105, "Jak dlouhý kabel má být?(m)", "10"}},
         {{111, "11.0000"}}, Focus::FirstInput, After::Unchanged, true, 1, 2, 2011},
    };
    // clang-format on
    return topics;
}

// Records the addresses the program hands to the desktop while it lives.
struct RecordedUrls : testing_support::UrlRecorder {
    RecordedUrls() {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~RecordedUrls() override {
        for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    static constexpr const char* kSchemes[] = {"http", "https", "mailto", "file"};
};

class MainWindowWalkTest : public MainWindowTest, public ::testing::WithParamInterface<Topic> {
protected:
    QWidget* Ctl(int id) const {
        return form_ ? form_->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)) : nullptr;
    }

    QString ResultText(int id) const {
        if (auto* label = qobject_cast<QLabel*>(Ctl(id))) return label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(Ctl(id))) return edit->text();
        return QStringLiteral("<no result control %1>").arg(id);
    }

    bool ShowsCaption(const char* caption) const {
        const QString text = QString::fromUtf8(caption);
        const auto labels = form_->findChildren<QLabel*>();
        return std::any_of(labels.begin(), labels.end(),
                           [&](const QLabel* l) { return l->isVisible() && l->text() == text; });
    }

    // Picks `item` from the drop-down list of `combo` with the mouse, as a user does.
    static void ChooseWithMouse(QComboBox& combo, const QString& item) {
        const int index = combo.findText(item, Qt::MatchExactly);
        ASSERT_GE(index, 0) << item.toStdString();
        // Click into the field, open its list with Alt+Down, click the item.
        QTest::mouseClick(combo.lineEdit(), Qt::LeftButton);
        ASSERT_TRUE(combo.hasFocus());
        QTest::keyClick(&combo, Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* view = combo.view();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
        const QModelIndex row = view->model()->index(index, combo.modelColumn(), view->rootIndex());
        view->scrollTo(row);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(row).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
        EXPECT_EQ(combo.currentText(), item);
    }

    void Fill(const Input& input) {
        QWidget* control = Ctl(input.id);
        ASSERT_NE(control, nullptr) << input.id;
        if (!input.text) return;
        const QString text = QString::fromUtf8(input.text);
        auto* combo = qobject_cast<QComboBox*>(control);
        if (input.choose) {
            ASSERT_NE(combo, nullptr) << input.id;
            ChooseWithMouse(*combo, text);
            return;
        }
        // A click puts the caret into the field, also where Tab would not stop.
        QWidget* field = combo ? combo->lineEdit() : control;
        QTest::mouseClick(field, Qt::LeftButton);
        ASSERT_TRUE(field->hasFocus()) << input.id;
        QTest::keyClicks(field, text);
        EXPECT_EQ(combo ? combo->currentText() : qobject_cast<QLineEdit*>(control)->text(), text);
    }

    QPointer<QWidget> form_;
};

TEST_P(MainWindowWalkTest, OpensFromItsPanelComputesShowsHelpAndCloses) {
    const Topic& topic = GetParam();
    Show();
    RecordedUrls urls;  // nothing on the way opens an address

    ClickToolbarButton(topic.fieldButton);
    QPointer<QWidget> before = ActiveForm();
    ASSERT_FALSE(before.isNull()) << "the field command opens the field's first form";
    ClickPanelLabel(topic.label);
    form_ = ActiveForm();
    ASSERT_NE(form_, nullptr);
    EXPECT_TRUE(before.isNull()) << "the label's click replaces the form the field command opened";

    // The form as it opens: title, captions, place and focus.
    EXPECT_EQ(form_->accessibleName(), QString::fromUtf8(topic.title));
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(form_->parentWidget(), Client());
    EXPECT_EQ(form_->x(), 190);
    EXPECT_EQ(form_->x() + form_->width(), Client()->width());
    EXPECT_TRUE(ShowsCaption(topic.resultCaption)) << topic.resultCaption;
    for (const Input& input : topic.inputs) {
        EXPECT_TRUE(ShowsCaption(input.caption)) << input.caption;
        ASSERT_NE(Ctl(input.id), nullptr) << input.id;
        EXPECT_EQ(Ctl(input.id)->accessibleName(), QString::fromUtf8(input.caption));
    }
    QWidget* first = Ctl(topic.inputs.front().id);
    if (topic.atOpen == Focus::FirstInput)
        EXPECT_EQ(QApplication::focusWidget(), first) << "focus at opening";
    else
        EXPECT_FALSE(form_->isAncestorOf(QApplication::focusWidget())) << "no focus at opening";

    for (const Input& input : topic.inputs) Fill(input);
    QWidget* focusBefore = QApplication::focusWidget();
    if (topic.clickOk) {
        QTest::mouseClick(Ctl(topic.okId), Qt::LeftButton);
        focusBefore = Ctl(topic.okId);  // the click focused the button
    } else {
        QTest::keyClick(focusBefore, Qt::Key_Return);
    }
    EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? "" : boxes[0].text.toStdString());
    for (const Result& result : topic.results)
        EXPECT_EQ(ResultText(result.id), QString::fromUtf8(result.text)) << result.id;
    QWidget* focusAfter = QApplication::focusWidget();
    if (topic.afterResult == After::FirstInput)
        EXPECT_EQ(focusAfter, first) << "focus back to the first input";
    else
        EXPECT_EQ(focusAfter, focusBefore) << "focus stays where it was";
    window->grab().save(testing_support::ScreenshotFolder() + QStringLiteral("/walk_%1.png").arg(topic.name));

    // Help: the topic's picture in the help window, or no Help button at all.
    QWidget* help = Ctl(230);
    if (topic.helpPicture == 0) {
        EXPECT_EQ(help, nullptr);
    } else {
        ASSERT_NE(help, nullptr);
        if (topic.pictureFromOpener) {
            EXPECT_EQ(HelpPicture(), topic.helpPicture) << "stored by the panel's label";
        }
        QTest::mouseClick(help, Qt::LeftButton);
        ASSERT_NE(HelpWindow(), nullptr);
        EXPECT_TRUE(HelpWindow()->isVisible());
        EXPECT_EQ(HelpWindow()->windowTitle(), QString::fromUtf8("Nápověda k tématu"));
        EXPECT_EQ(HelpPicture(), topic.helpPicture);
        EXPECT_EQ(qobject_cast<kalvora::HelpWindow*>(HelpWindow())->PictureId(), topic.helpPicture);
        EXPECT_TRUE(window->isEnabled()) << "the help window leaves the main window usable";
    }

    // Storno closes the help window and hides the form, which stays in its slot until the next
    // topic opens.
    QPointer<QWidget> helpWindow = HelpWindow();
    QTest::mouseClick(Ctl(topic.stornoId), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(helpWindow.isNull());
    ASSERT_FALSE(form_.isNull());
    EXPECT_FALSE(form_->isVisible());
    EXPECT_TRUE(urls.urls.empty());
}

INSTANTIATE_TEST_SUITE_P(AllTopics, MainWindowWalkTest, ::testing::ValuesIn(Topics()),
                         [](const auto& info) { return std::string(info.param.name); });

// The pictures that the mechanics openers store: a field command stores 2000, the labels 2000,
// 234 and 2001, and Help of the first two shows what was stored.
TEST_F(MainWindowTest, MechanicsHelpShowsThePictureItsOpenerStored) {
    Show();
    ClickToolbarButton(1602);
    EXPECT_EQ(HelpPicture(), 2000);
    QWidget* form = ActiveForm();
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(form->findChild<QWidget*>("ctl230"), Qt::LeftButton);
    EXPECT_EQ(HelpPicture(), 2000);
    ASSERT_NE(HelpWindow(), nullptr);

    struct Row {
        int label;
        int stored;
    };
    for (const Row row : {Row{229, 234}, Row{214, 2000}, Row{235, 2001}, Row{229, 234}}) {
        SCOPED_TRACE(row.label);
        QPointer<QWidget> help = HelpWindow();
        ClickPanelLabel(row.label);
        EXPECT_TRUE(help.isNull()) << "a label closes the open help window";
        EXPECT_EQ(HelpPicture(), row.stored);
        form = ActiveForm();
        QTest::mouseClick(form->findChild<QWidget*>("ctl230"), Qt::LeftButton);
        EXPECT_EQ(HelpPicture(), row.stored);
        EXPECT_NE(HelpWindow(), nullptr);
    }
}

}  // namespace
}  // namespace kalvora::testing
