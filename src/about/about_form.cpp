#include "about/about_form.h"

#include "about/about_strings.h"
#include "about/vel_url_label.h"

#include "album/default_album_icon.h"
#include "platform/shell_open.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

namespace {
constexpr int kClientWidth = 473;
constexpr int kClientHeight = 271;

QLabel *MakeLabel(QWidget *parent, const QString &caption, int left, int top)
{
    auto *label = new QLabel(caption, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// Link labels size themselves to their caption, at least to the layout size.
void PlaceLink(TVelUrlLabel *label, int left, int top, int width, int height)
{
    label->adjustSize();
    label->setGeometry(left, top, std::max(width, label->width()), std::max(height, label->height()));
}
}

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(kClientWidth, kClientHeight);
    setBackgroundRole(QPalette::Button);
    QFont dialogFont(QStringLiteral("宋体"));
    dialogFont.setPixelSize(16);
    setFont(dialogFont);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(47, 29, 385, 191);

    Image1 = new QLabel(GroupBox1);
    Image1->setPixmap(QPixmap::fromImage(DefaultAlbumIcon(32)));
    Image1->setGeometry(16, 21, 32, 32);

    LabelApptitle = MakeLabel(GroupBox1, QStringLiteral("程序标题"), 119, 22);
    QPalette titleColours = LabelApptitle->palette();
    titleColours.setColor(QPalette::WindowText, QColor(0xFF, 0x60, 0x00));
    LabelApptitle->setPalette(titleColours);

    Label4 = MakeLabel(GroupBox1, QStringLiteral("网    址:"), 16, 134);
    VelUrlLabel1 = new TVelUrlLabel(GroupBox1);
    VelUrlLabel1->setText(ProductWebAddress());
    VelUrlLabel1->Url = ProductWebAddress();
    PlaceLink(VelUrlLabel1, 115, 134, 200, 16);

    Label6 = MakeLabel(GroupBox1, QStringLiteral("技术支持:"), 15, 162);
    VelUrlLabel2 = new TVelUrlLabel(GroupBox1);
    VelUrlLabel2->setText(SupportMailAddress());
    VelUrlLabel2->Url = QStringLiteral("mailto: ") + SupportMailAddress();
    PlaceLink(VelUrlLabel2, 115, 161, 104, 16);

    m_versionCaption = QStringLiteral("版本:");
    LabelVersion = MakeLabel(GroupBox1, m_versionCaption, 272, 161);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                              QStringLiteral("(&C)关闭"), this);
    BitBtn1->setGeometry(344, 231, 88, 32);

    connect(VelUrlLabel1, &TVelUrlLabel::clicked, this, &TAboutForm::VelUrlLabel1Click);
    connect(VelUrlLabel2, &TVelUrlLabel::clicked, this, &TAboutForm::VelUrlLabel2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TAboutForm::BitBtn1Click);

    // Centred on the screen rather than over the owner.
    if (QScreen *display = parent ? parent->screen() : screen())
        move(display->availableGeometry().center() - rect().center());
}

void TAboutForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAboutForm::FormShow()
{
    LabelApptitle->setText(ProgramTitleString());
    LabelApptitle->adjustSize();
    // Built from the layout caption, so showing the dialog again never
    // repeats the version.
    LabelVersion->setText(m_versionCaption + ProgramVersionString());
    LabelVersion->adjustSize();
}

void TAboutForm::VelUrlLabel1Click()
{
    OpenWithShell(VelUrlLabel1->Url, QString(), QString(), SW_SHOW);
}

void TAboutForm::VelUrlLabel2Click()
{
    OpenWithShell(VelUrlLabel2->Url, QString(), QString(), SW_SHOW);
}

void TAboutForm::BitBtn1Click()
{
    reject();
}

void TAboutForm::keyPressEvent(QKeyEvent *event)
{
    // The close button is the dialog's cancel button: Esc presses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BitBtn1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
