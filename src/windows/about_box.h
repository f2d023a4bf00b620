#pragma once
// The About box: the simulator's name, version, description and disclaimer in
// the chosen language, and a button that starts the system-information program.
// Modal over the main window; closing it unloads it, so every opening loads it
// anew.
#include <QDialog>

#include <cstdint>

class MainWindow;
class QLabel;
class QPushButton;
class Registry;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(MainWindow& main);

    void Form_Load();
    void StartSysInfo();

    // Reads one value of the registry into `value`: text values as they are, a
    // 32-bit number as its decimal digits. False, with `value` emptied, when the
    // key or the value cannot be read.
    static bool GetKeyValue(Registry& registry, uint32_t root, const QString& keyPath, const QString& valueName,
                            QString& value);

    // "1.0.3": the program's own major and minor version, then always 3.
    static QString versionNumber();

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QLabel* lblDisclaimer() const { return lblDisclaimer_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    MainWindow& main_;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* lblDisclaimer_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
};
