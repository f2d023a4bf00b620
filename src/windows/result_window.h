#pragma once
// The result window: A, B and A*B of the finished run, in binary and decimal,
// read from memory words 0000H, 0001H and 0002H. Closing it gives the main
// window back to the user.
#include <QDialog>

class MainWindow;
class QLabel;
class QLineEdit;

class ResultWindow : public QDialog {
    Q_OBJECT
public:
    explicit ResultWindow(MainWindow& main);

    void setTexts(const QString& caption, const QString& heading);
    void Amaiera_eguneratu();

    QLineEdit* Bitar(int i) const { return bitar_[i]; }
    QLineEdit* Hamartar(int i) const { return hamartar_[i]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override { close(); }

private:
    MainWindow& main_;
    QLabel* label4_ = nullptr;
    QLineEdit* bitar_[3] = {};
    QLineEdit* hamartar_[3] = {};
};
