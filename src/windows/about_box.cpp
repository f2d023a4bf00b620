#include "about_box.h"

#include "drawing/pictures.h"
#include "main_window.h"
#include "model/globals.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The label texts by language; the description's heading is followed by an empty line.
struct Texts {
    const char* title;
    const char* version;
    const char* heading;
    const char* description;
    const char* disclaimer;
};

const Texts kBasque = {
    "Prozesadore sinple baten P.U.aren simuladorea [RIRIv4]",
    "Bertsioa: ",
    "Aplikazioaren deskripzioa:",
    "Prozesadore sinple baten Prozesu Unitatea simulatzen du; horretarako Kovi "
    "makinaren diseinua erabili da aplikazioa egituratzean, baina soilik 4 agindu "
    "erabiliz (LD, ST, ADD eta BEQ), eta hau izanik [RIRIv4] izena ipintzearen "
    "arrazoia.",
    "Oharra: programa hau software librea da, informatikako ikasleei laguntzeko idatzia. "
    "Ez da inolako erantzukizunik hartzen programaren erabilera okerrak eragin ditzakeen arazoengatik.",
};

const Texts kSpanish = {
    "Simulador de la U.P. de un procesador simple [RIRIv4]",
    "Versión ",
    "Descripción de la aplicación:",
    "Simula la Unidad de Proceso de un procesador simple; para ello se ha utilizado "
    "como estructura el diseño de la máquina Kovi, pero con 4 instrucciones "
    "(LD, ST, ADD y BEQ), de ahí el nombre [RIRIv4].",
    "Advertencia: este programa es software libre, escrito para ayudar a los estudiantes de "
    "informática. No se asume ninguna responsabilidad por los problemas que pueda causar su mal uso.",
};

constexpr int kTextWidth = 400, kDisclaimerWidth = 340;

QLabel* label(const char* name, const QString& text, int width, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFixedWidth(width);
    return l;
}

// A window's layout does not ask wrapped labels for their height at their width;
// tell it, so that no line is cut.
void fitHeight(QLabel* l) { l->setMinimumHeight(l->heightForWidth(l->width())); }

}  // namespace

AboutBox::AboutBox(MainWindow& main) : QDialog(&main), main_(main)
{
    setObjectName(QStringLiteral("A_B"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About RIRIv4"));

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(drawing::masked(drawing::logo()));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTitle_ = label("lblTitle", QStringLiteral("Título de la aplicación"), kTextWidth, this);
    QFont big = lblTitle_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    lblTitle_->setFont(big);
    lblVersion_ = label("lblVersion", QStringLiteral("Versión"), kTextWidth, this);
    lblDescription_ = label("lblDescription", QStringLiteral("Aplikazioaren deskripzioa:"), kTextWidth, this);
    lblDisclaimer_ = label("lblDisclaimer", QStringLiteral("Oharra:"), kDisclaimerWidth, this);
    cmdOK_ = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdSysInfo_ = new QPushButton(QStringLiteral("&Info. del sistema..."), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    // Icon beside the texts above a rule; the disclaimer beside the buttons below it.
    auto* texts = new QVBoxLayout;
    for (QLabel* l : {lblTitle_, lblVersion_, lblDescription_})
        texts->addWidget(l);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picIcon);
    top->addLayout(texts);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdSysInfo_);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(16);
    bottom->addWidget(lblDisclaimer_);
    bottom->addLayout(buttons);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(rule);
    all->addLayout(bottom);
    all->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &AboutBox::StartSysInfo);
    Form_Load();
}

QString AboutBox::versionNumber()
{
    return QStringLiteral("%1.%2.3").arg(RIRI_VERSION_MAJOR).arg(RIRI_VERSION_MINOR);
}

void AboutBox::Form_Load()
{
    setWindowTitle(QStringLiteral("About RIRIv4"));
    const bool spanish = G().Gaztelera;
    // The buttons' design texts are the Spanish ones.
    if (!spanish) {
        cmdSysInfo_->setText(QStringLiteral("&Sistemaren info..."));
        cmdOK_->setText(QStringLiteral("Onartu"));
    }
    const Texts& t = spanish ? kSpanish : kBasque;
    const QString lineBreak = QString::fromStdString(G().Lerro_Jauzia);
    lblVersion_->setText(QString::fromUtf8(t.version) + versionNumber());
    lblTitle_->setText(QString::fromUtf8(t.title));
    lblDescription_->setText(QString::fromUtf8(t.heading) + lineBreak + lineBreak + QString::fromUtf8(t.description));
    lblDisclaimer_->setText(QString::fromUtf8(t.disclaimer));
    for (QLabel* l : {lblTitle_, lblVersion_, lblDescription_, lblDisclaimer_})
        fitHeight(l);
}

void AboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // No window manager may be there to do it: the box takes the keyboard itself,
    // so Enter and Escape close it.
    activateWindow();
}

void AboutBox::done(int result)
{
    // OK, the close box and Escape all end here: the box is unloaded.
    main_.forgetAbout();
    QDialog::done(result);
}
