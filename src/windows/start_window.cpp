#include "start_window.h"

#include "display_check.h"
#include "drawing/pictures.h"
#include "main_window.h"
#include "model/globals.h"
#include "platform/services.h"
#include "spanish_texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

const char* const kBasqueTip = "Click eginez, euskarazko bertsioa ikusiko da";
const char* const kSpanishTip = "Pulsando con el ratón, se verá la versión en castellano";

const char* const kCredits =
    "RIRIv4\n"
    "Prozesadore sinple baten P.U.aren simuladorea\n"
    "Simulador de la U.P. de un procesador simple\n"
    "LD, ST, ADD eta BEQ aginduak urratsez urrats\n"
    "Las instrucciones LD, ST, ADD y BEQ paso a paso\n"
    "Informatikako ikasleentzat / Para estudiantes de informática";
const char* const kLogoTip = "RIRIv4: irakaskuntzarako simuladorea / simulador para la enseñanza";

// The question before a switch to 1024 x 768, by language.
struct Question {
    const char* title;
    const char* text;
};
const Question kQuestion[] = {
    {"Erresoluzioa aldatu", "PANTAILAREN ERRESOLUZIOA 1024x768-ra ALDATZERA DOA!"},
    {"Cambiar resolución", "LA RESOLUCIÓN DE LA PANTALLA VA A CAMBIAR A 1024x768"},
};

QLineEdit* textBox(const QString& name, const char* text, QWidget* parent)
{
    auto* box = new QLineEdit(QString::fromUtf8(text), parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    QFont bold = box->font();
    bold.setBold(true);
    box->setFont(bold);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(box->text()) + 24);
    return box;
}

QLabel* picture(const QString& name, const QImage& image, const char* tip, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(drawing::masked(image));
    label->setFixedSize(image.size());
    label->setToolTip(QString::fromUtf8(tip));
    return label;
}

// The credit lines shown whole, without wrapping or scrolling.
QPlainTextEdit* credits(QWidget* parent)
{
    auto* box = new QPlainTextEdit(QString::fromUtf8(kCredits), parent);
    box->setObjectName(QStringLiteral("Text2"));
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(line));
    box->setMinimumWidth(widest + 24);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * int(lines.size()) + 16);
    return box;
}

}  // namespace

StartWindow::StartWindow(Platform& platform, std::unique_ptr<MainWindow>& main)
    : QWidget(nullptr), platform_(platform), main_(main)
{
    setObjectName(QStringLiteral("Aurkezpena"));
    setWindowTitle(QStringLiteral("Aurkezpena / Presentación"));
    quit = [] { QApplication::exit(0); };

    auto* Text1 = textBox(QStringLiteral("Text1"), "Ongi etorri prozesadore sinple baten P.U.aren simuladorera", this);
    auto* Text3 = textBox(QStringLiteral("Text3"), "Bienvenido al simulador de la U.P. de un procesador simple", this);
    Picture1 = picture(QStringLiteral("Picture1"), drawing::basqueFlag(), kBasqueTip, this);
    Text4 = textBox(QStringLiteral("Text4"), "EUSKARAZKO BERTSIOA", this);
    Text4->setToolTip(QString::fromUtf8(kBasqueTip));
    Picture2 = picture(QStringLiteral("Picture2"), drawing::spanishFlag(), kSpanishTip, this);
    Text5 = textBox(QStringLiteral("Text5"), "VERSIÓN EN CASTELLANO", this);
    Text5->setToolTip(QString::fromUtf8(kSpanishTip));
    auto* Picture4 = picture(QStringLiteral("Picture4"), drawing::logo(), kLogoTip, this);
    auto* Text2 = credits(this);

    // Tab moves between the two choices only; the other texts are just read.
    for (QWidget* w : std::initializer_list<QWidget*>{Text1, Text3, Text2})
        w->setFocusPolicy(Qt::NoFocus);
    for (QLineEdit* welcome : {Text1, Text3}) {
        welcome->setFrame(false);
        welcome->setStyleSheet(QStringLiteral("background: transparent"));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Picture1, Text4, Picture2, Text5}) {
        w->setCursor(Qt::PointingHandCursor);
        w->installEventFilter(this);
    }

    auto* choices = new QHBoxLayout;
    choices->addWidget(Picture1);
    choices->addWidget(Text4, 1);
    choices->addSpacing(24);
    choices->addWidget(Picture2);
    choices->addWidget(Text5, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Picture4, 0, Qt::AlignTop);
    bottom->addSpacing(8);
    bottom->addWidget(Text2, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->addWidget(Text1);
    column->addWidget(Text3);
    column->addSpacing(14);
    column->addLayout(choices);
    column->addSpacing(14);
    column->addLayout(bottom);
    setFixedSize(sizeHint());

    Text4->setFocus();
}

StartWindow::~StartWindow() = default;

MainWindow& StartWindow::mainWindow()
{
    if (!main_) {
        main_ = std::make_unique<MainWindow>(platform_);
        main_->quit = [this] { quit(); };
    }
    return *main_;
}

bool StartWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool spanish = watched == Picture2 || watched == Text5;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
            choose(spanish);
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        // Without a mouse the program could not be started at all.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            choose(spanish);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StartWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // No window manager may be there to do it: the window takes the keyboard itself.
    raise();
    activateWindow();
}

void StartWindow::closeEvent(QCloseEvent* event)
{
    // Before a choice nothing has been changed, and nothing else is open.
    event->accept();
    if (!chosen_)
        quit();
}

void StartWindow::choose(bool spanish)
{
    chosen_ = true;
    G().Gaztelera = spanish;
    if (spanish)
        Gazteleraz_ipini(mainWindow());  // creates and loads the main window, still hidden
    hide();

    DisplayMode& R = platform_.display;
    switch (readDisplayMode(R)) {
    case DisplayNeed::Question: {
        const Question& q = kQuestion[spanish ? 1 : 0];
        platform_.messages.question(this, QString::fromUtf8(q.title), QString::fromUtf8(q.text), [this](bool yes) {
            G().Pantaila_Aldatuta = false;
            if (!yes) {
                quit();
                return;
            }
            switchTo1024x768(platform_.display);
            showMain();
        });
        return;
    }
    case DisplayNeed::Depth:
        switchDepthTo16(R);
        break;
    case DisplayNeed::Nothing:
        break;
    }
    showMain();
}

void StartWindow::showMain()
{
    MainWindow& main = mainWindow();
    main.show();
    main.takeFocusBack();
}
