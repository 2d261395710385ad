// SPDX-License-Identifier: MIT
// The mail label and the links show and open the addresses this build was configured with.
#include "form_panel_fixture.h"
#include "main_window_fixture.h"

namespace kalvora::testing {
namespace {

TEST_F(MainWindowTest, MailLabelAndLinksFollowTheConfiguredAddresses) {
    const QString mail = QString::fromUtf8(KALVORA_CONFIGURED_AUTHOR_MAIL);
    testing_support::UrlRecorder opened;
    Show();
    const QWidget* label = OpenPanel()->findChild<QWidget*>(QStringLiteral("ctl203"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->property("text").toString(), mail);

    ClickPanelLabel(203);
    ClickToolbarButton(1610);  // "Mail to me"
    ClickPanelLabel(202);      // "Další programy"
    const QUrl mailto(QStringLiteral("mailto:") + mail);
    EXPECT_EQ(
        opened.urls,
        (std::vector<QUrl>{mailto, mailto, QUrl(QString::fromUtf8(KALVORA_CONFIGURED_OTHER_PROGRAMS_URL))}));
}

}  // namespace
}  // namespace kalvora::testing
