#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class TVelUrlLabel;

// The about dialog: the program's title and version with the web and the
// support mail links. Shown modally; each opening uses a fresh dialog.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);

    // Controls, by their layout names.
    QGroupBox *GroupBox1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *LabelApptitle = nullptr;
    QLabel *Label4 = nullptr;
    TVelUrlLabel *VelUrlLabel1 = nullptr;
    QLabel *Label6 = nullptr;
    TVelUrlLabel *VelUrlLabel2 = nullptr;
    QLabel *LabelVersion = nullptr;
    QPushButton *BitBtn1 = nullptr;

public slots:
    void FormShow();
    void VelUrlLabel1Click();
    void VelUrlLabel2Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The version label's layout caption, which the version is appended to.
    QString m_versionCaption;
};
