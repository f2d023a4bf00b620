#pragma once
#include "services.h"

#include <QHash>

// Looks in the current folder first, then in `programFolder` (the program's own,
// by default), so the program finds its pictures wherever it is started from. A
// picture in neither, or one that cannot be read, is said once on standard error.
class FilePictureLoader : public PictureLoader {
public:
    FilePictureLoader();
    explicit FilePictureLoader(const QString& programFolder);
    QPixmap load(const QString& designPath) override;
    // "pictures\UAL.bmp" -> "pictures/UAL.bmp"
    static QString localPath(const QString& designPath);

private:
    QPixmap read(const QString& designPath) const;

    QString programFolder_;
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
