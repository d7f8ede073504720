#include "support/test_folders.h"

#include "about/about_form.h"
#include "about/about_strings.h"
#include "about/vel_url_label.h"
#include "app/form_main.h"
#include "platform/shell_open.h"
#include "platform/user_store.h"
#include "update/update_endpoint.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QColor TextColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

void Enter(QWidget *widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &event);
}

void Leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

TAboutForm *OpenAboutForm()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<TAboutForm *>(widget); form && form->isVisible())
            return form;
    }
    return nullptr;
}

class AboutForm : public ::testing::Test
{
protected:
    AboutForm()
    {
        SetUserStoreFile(m_folder.file(QStringLiteral("store.conf")));
        SetShellOpenHandler([this](const QString &target) { m_opened.append(target); });
    }
    ~AboutForm() override
    {
        SetShellOpenHandler({});
        SetUserStoreFile(QString());
    }

    TestAppFolder m_folder;
    QStringList m_opened;
};

TEST_F(AboutForm, EachOpeningShowsTitleAndVersionOnceAndEscClosesIt)
{
    SetUpdateEndpointHost(QStringLiteral("127.0.0.1:9"));
    TFormMain window;
    window.TimerVersion->stop();
    for (int opening = 0; opening < 2; ++opening) {
        QString title, version, caption;
        bool seen = false;
        QTimer::singleShot(0, &window, [&] {
            TAboutForm *form = OpenAboutForm();
            if (!form)
                return;
            seen = form->isModal();
            title = form->LabelApptitle->text();
            version = form->LabelVersion->text();
            caption = form->windowTitle();
            QTest::keyClick(form, Qt::Key_Escape);
        });
        // Whatever happens above, the dialog does not stay open.
        QTimer::singleShot(5000, &window, [] {
            if (TAboutForm *form = OpenAboutForm())
                form->reject();
        });
        window.MenuAlbumAbout->trigger(); // returns when the dialog closed
        EXPECT_TRUE(seen);
        EXPECT_EQ(title, QStringLiteral("Pelorin"));
        EXPECT_EQ(version, QStringLiteral("版本:1.0"));
        EXPECT_EQ(caption, QStringLiteral("关于"));
        EXPECT_TRUE(window.findChildren<TAboutForm *>().isEmpty());
    }
    SetUpdateEndpointHost(QString());
}

TEST_F(AboutForm, ShowingTheSameDialogAgainDoesNotRepeatTheVersion)
{
    TAboutForm form;
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(form.LabelVersion->text(), QStringLiteral("版本:1.0"));
}

TEST_F(AboutForm, LinksTurnBlueAndUnderlinedWhileHovered)
{
    TAboutForm form;
    form.show();
    for (TVelUrlLabel *link : {form.VelUrlLabel1, form.VelUrlLabel2}) {
        const QColor layoutColour = TextColour(link);
        ASSERT_NE(layoutColour, QColor(0, 0, 255));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        for (int round = 0; round < 3; ++round) {
            Enter(link);
            if (round == 1)
                Enter(link); // entering twice must not lose the layout colour
            EXPECT_EQ(TextColour(link), QColor(0, 0, 255));
            EXPECT_TRUE(link->font().underline());
            Leave(link);
            EXPECT_EQ(TextColour(link), layoutColour);
            EXPECT_FALSE(link->font().underline());
        }
    }
}

TEST_F(AboutForm, LinksOpenTheirAddressThroughTheShell)
{
    TAboutForm form;
    form.show();
    QTest::mouseClick(form.VelUrlLabel1, Qt::LeftButton);
    QTest::mouseClick(form.VelUrlLabel2, Qt::LeftButton);
    QTest::mouseClick(form.VelUrlLabel2, Qt::RightButton);
    ASSERT_EQ(m_opened.size(), 2);
    EXPECT_EQ(m_opened[0], ProductWebAddress());
    EXPECT_EQ(form.VelUrlLabel1->text(), ProductWebAddress());
    EXPECT_EQ(m_opened[1], QStringLiteral("mailto: ") + SupportMailAddress());
    EXPECT_EQ(form.VelUrlLabel2->text(), SupportMailAddress());
}

TEST_F(AboutForm, CloseButtonAndEscBothCloseTheDialog)
{
    const std::function<void(TAboutForm &)> closers[] = {
        [](TAboutForm &form) { QTest::keyClick(&form, Qt::Key_Escape); },
        [](TAboutForm &form) { QTest::mouseClick(form.BitBtn1, Qt::LeftButton); },
        [](TAboutForm &form) { QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier); },
    };
    for (const auto &close : closers) {
        TAboutForm form;
        form.open();
        form.activateWindow(); // the button's Alt shortcut needs an active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        close(form);
        // A mnemonic presses the button with a short animation.
        EXPECT_TRUE(QTest::qWaitFor([&form] { return !form.isVisible(); }, 2000));
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
}

} // namespace
