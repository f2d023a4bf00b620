#pragma once
#include "services.h"

#include <QHash>

class FilePictureLoader : public PictureLoader {
public:
    QPixmap load(const QString& designPath) override;
    // "pictures\UAL.bmp" -> "pictures/UAL.bmp"
    static QString localPath(const QString& designPath);

private:
    QHash<QString, QPixmap> cache_;
};

class QtBeeper : public Beeper {
public:
    void beep() override;
};

class QtMessageService : public MessageService {
public:
    void warning(QWidget* parent, const QString& title, const QString& text, std::function<void()> then) override;
    void question(QWidget* parent, const QString& title, const QString& text,
                  std::function<void(bool)> then) override;
};

// Starts programs detached. The help viewer of the original platform ("hh.exe
// <file>") is not on this machine: our own layer opens the help file with the
// desktop's default viewer when the file exists, and otherwise reports failure.
class QtProgramStarter : public ProgramStarter {
public:
    bool start(const QString& commandLine) override;
};
