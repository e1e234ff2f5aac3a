#pragma once

#include <QDialog>

namespace Velmora {

class AppFolder;
class Platform;
class PictureShelf;

/// The about box: AboutImage, the program's name and version, the Qt version it was built with,
/// and the application folder with a button that opens it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(Platform &platform, const AppFolder &folder, PictureShelf &pictures, QWidget *parent = nullptr);
};

} // namespace Velmora
