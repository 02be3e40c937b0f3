#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The help dialog: a fixed-size text that explains the three operations. The one instance
// lives for the whole run and is only hidden between showings, so edits to the text last.
class THjpDlg : public QDialog {
    Q_OBJECT

public:
    explicit THjpDlg(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createComponents();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

extern THjpDlg* HjpDlg;
