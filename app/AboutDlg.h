// The About box: program icon, name and version, the credits, an OK button.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QShowEvent;

namespace nira {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    // Puts the stored credits, unscrambled, into IDC_ABOUT_TEXT; true, so
    // that the OK button, the only tab stop, takes the focus.
    bool OnInitDialog();

    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();

    QLabel* m_aboutText = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace nira
