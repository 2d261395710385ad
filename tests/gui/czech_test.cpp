// SPDX-License-Identifier: MIT
// Czech whatever the system says: the standard buttons of the program's message boxes read
// "Ano", "Ne" and "OK", and numbers are read and written with '.' under a Czech locale.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <optional>

#include "form_panel_fixture.h"
#include "qt/app/translations.h"
#include "qt/platform/message_box.h"

namespace kalvora {
namespace {

struct BoxCase {
    const char* name;
    bool withOwner;
    platform::MessageButtons buttons;
    QStringList expectedTexts;
    QMessageBox::StandardButton pressed;
    platform::MessageAnswer expectedAnswer;

    friend void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }
};

// Qt's Czech translations installed with an English default locale, so that nothing but the
// translations can make the buttons Czech; both are undone afterwards.
class CzechButtonsTest : public ::testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(InstallCzechQtTranslations(*QCoreApplication::instance()))
            << "qtbase_cs.qm not found (Debian package qt6-translations-l10n)";
    }
    void TearDown() override {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::system());
    }
};

TEST_P(CzechButtonsTest, RealMessageBoxShowsCzechButtonsAndAnswersTheOnePressed) {
    const BoxCase& c = GetParam();
    QWidget owner;
    if (c.withOwner) {
        owner.resize(300, 200);
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }
    QStringList texts;
    bool seen = false;
    Qt::WindowModality modality = Qt::ApplicationModal;
    // The box does not wait for its answer; this timer finds it on screen and presses a button
    // as the user would.
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible() || seen) continue;
            seen = true;
            modality = box->windowModality();
            for (QAbstractButton* button : box->buttons()) texts << button->text().remove(QLatin1Char('&'));
            QAbstractButton* pressed = box->button(c.pressed);
            if (pressed)
                QTest::mouseClick(pressed, Qt::LeftButton);
            else
                box->done(QMessageBox::Cancel);
        }
    });
    watcher.start();
    std::optional<platform::MessageAnswer> answer;
    QPointer<QWidget> box =
        platform::OpenMessageBox({c.withOwner ? &owner : nullptr, "Kalvora 5.0.9",
                                  QString::fromUtf8("Přejete si ukončit?"), MessageIcon::Question, c.buttons},
                                 [&answer](platform::MessageAnswer given) { answer = given; });
    ASSERT_FALSE(box.isNull()) << "a real box, shown without waiting";
    EXPECT_FALSE(answer.has_value());
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
    watcher.stop();
    ASSERT_TRUE(seen) << "no message box was shown";
    texts.sort();
    EXPECT_EQ(texts, c.expectedTexts);
    EXPECT_EQ(answer, c.expectedAnswer);
    // Modal to its owner's window only; without an owner every window stays usable.
    EXPECT_EQ(modality, c.withOwner ? Qt::WindowModal : Qt::NonModal);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(box.isNull()) << "an answered box goes";
}

INSTANTIATE_TEST_SUITE_P(Boxes, CzechButtonsTest,
                         ::testing::Values(BoxCase{"YesNoWithOwnerAno",
                                                   true,
                                                   platform::MessageButtons::YesNo,
                                                   {"Ano", "Ne"},
                                                   QMessageBox::Yes,
                                                   platform::MessageAnswer::Yes},
                                           BoxCase{"YesNoWithOwnerNe",
                                                   true,
                                                   platform::MessageButtons::YesNo,
                                                   {"Ano", "Ne"},
                                                   QMessageBox::No,
                                                   platform::MessageAnswer::No},
                                           BoxCase{"YesNoWithoutOwnerNe",
                                                   false,
                                                   platform::MessageButtons::YesNo,
                                                   {"Ano", "Ne"},
                                                   QMessageBox::No,
                                                   platform::MessageAnswer::No},
                                           BoxCase{"OkWithoutOwner",
                                                   false,
                                                   platform::MessageButtons::Ok,
                                                   {"OK"},
                                                   QMessageBox::Ok,
                                                   platform::MessageAnswer::Ok}),
                         [](const auto& info) { return std::string(info.param.name); });

// Run only by the CTest entry that starts the GUI tests under LC_ALL=cs_CZ.UTF-8 (together with
// the walk that types every form's worked example): the process locale then writes numbers with a
// decimal comma, and the forms must not notice.
class UnderCzechLocale : public ::testing::Test {};

TEST_F(UnderCzechLocale, TheProcessReallyRunsInACzechLocale) {
    // The CTest entry asks for this check; a plain run of the test program has no Czech locale.
    if (qEnvironmentVariableIsEmpty("KALVORA_EXPECT_CZECH_LOCALE"))
        GTEST_SKIP() << "not started under cs_CZ.UTF-8";
    // Without these the other tests of that run would prove nothing.
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(QLocale().language(), QLocale::Czech);
}

}  // namespace
}  // namespace kalvora
