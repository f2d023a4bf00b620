#include "about_box.h"

#include "main_window.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

AboutBox::AboutBox(MainWindow& main) : QDialog(&main), main_(main)
{
    setObjectName(QStringLiteral("A_B"));
    setWindowTitle(QStringLiteral("About RIRIv4"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buttons);
}
