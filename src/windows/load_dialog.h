#pragma once
// The load-program dialog: asks for the operands A and B of the demonstration
// program, checks them, and on acceptance writes the program and the operands
// into memory and makes the start command the available one.
#include <QDialog>

class MainWindow;
class QLineEdit;
class QPushButton;
class QPlainTextEdit;

class LoadDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoadDialog(MainWindow& main);

    // The explanation in the chosen language; the other one is hidden.
    void showExplanation(bool spanish);
    void setAcceptText(const QString& text);
    // Shown as the active window with A's whole text selected, so that typing
    // replaces A with no click first.
    void showForTyping();

    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The first failed check's message, or an empty text when A and B are valid;
    // `failed` gets the boxes to empty, the first of them takes the focus.
    QString validate(QList<QLineEdit*>& failed) const;
    void reject() override;

    MainWindow& main_;
    QLineEdit* Text2 = nullptr;  // A
    QLineEdit* Text3 = nullptr;  // B
    QPushButton* Command1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;  // Basque explanation
    QPlainTextEdit* Text4 = nullptr;  // Spanish explanation
};
