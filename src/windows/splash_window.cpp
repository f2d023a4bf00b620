#include "splash_window.h"

#include "drawing/pictures.h"
#include "main_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>

SplashWindow::SplashWindow(MainWindow& main) : QDialog(&main), main_(main)
{
    setObjectName(QStringLiteral("S_H"));
    setWindowTitle(QStringLiteral("Sistema Hasieratzen..."));
    // A splash has no close box: the start-up cycle decides when it goes.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setCursor(Qt::WaitCursor);

    picture2_ = new QLabel(this);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setPixmap(QPixmap::fromImage(drawing::basqueBanner()));
    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setPixmap(drawing::masked(drawing::infoIcon()));
    puntuak_ = new QLabel(this);
    puntuak_->setObjectName(QStringLiteral("puntuak"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(picture2_, 0, 0, 1, 2);
    grid->addWidget(picture1, 1, 0);
    grid->addWidget(puntuak_, 1, 1);
    grid->setColumnStretch(1, 1);
}

void SplashWindow::setBanner(const QPixmap& banner)
{
    // A missing Spanish banner file still leaves a Spanish banner on screen.
    picture2_->setPixmap(banner.isNull() ? QPixmap::fromImage(drawing::spanishBanner()) : banner);
}

void SplashWindow::step()
{
    ++Puntu_Kontagailua;
    if (Puntu_Kontagailua == 20) {
        puntuak_->setText(QString());
        Puntu_Kontagailua = 0;
    }
    puntuak_->setText(puntuak_->text() + QLatin1Char('*'));
}

void SplashWindow::hideByClock()
{
    done(0);
    puntuak_->setText(QString());
    Puntu_Kontagailua = 0;
}

void SplashWindow::closeEvent(QCloseEvent* event) { event->ignore(); }
