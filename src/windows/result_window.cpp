#include "result_window.h"

#include "main_window.h"
#include "model/funtzioak.h"
#include "model/memoria.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
// Row names and the memory word each row shows.
struct Row {
    const char* label;
    const char* address;
};
const Row kRows[] = {{" A: ", "0000"}, {" B: ", "0001"}, {" A*B: ", "0002"}};

QLineEdit* valueBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}
}  // namespace

ResultWindow::ResultWindow(MainWindow& main) : QDialog(nullptr), main_(main)
{
    setObjectName(QStringLiteral("Amaiera"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    label4_ = new QLabel(this);
    label4_->setObjectName(QStringLiteral("Label4"));
    grid->addWidget(label4_, 0, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        auto* name = new QLabel(QLatin1String(kRows[i].label), this);
        name->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        bitar_[i] = valueBox(QStringLiteral("Bitar%1").arg(i), this);
        hamartar_[i] = valueBox(QStringLiteral("Hamartar%1").arg(i), this);
        bitar_[i]->setMinimumWidth(bitar_[i]->fontMetrics().horizontalAdvance(QString(18, QLatin1Char('0'))));
        grid->addWidget(name, i + 1, 0);
        grid->addWidget(bitar_[i], i + 1, 1);
        grid->addWidget(hamartar_[i], i + 1, 2);
    }
    setTexts(QStringLiteral("Emaitza"), QStringLiteral("A*B PROGRAMAREN EMAITZA:"));
}

void ResultWindow::setTexts(const QString& caption, const QString& heading)
{
    setWindowTitle(caption);
    label4_->setText(heading);
}

void ResultWindow::Amaiera_eguneratu()
{
    for (int i = 0; i < 3; ++i) {
        const std::string word = MN().MN_Egitura_Kodea_Irakurri(kRows[i].address);
        bitar_[i]->setText(QString::fromStdString(word));
        // The conversion reads any text as bits, so a word never stored still shows a number.
        hamartar_[i]->setText(QString::number(Bitarretik_Hamartarrera(bitar_[i]->text().toStdString())));
    }
}

void ResultWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    main_.forgetResult();
    main_.setEnabled(true);
    main_.takeFocusBack();
}
