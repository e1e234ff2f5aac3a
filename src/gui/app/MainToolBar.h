#pragma once

#include <QToolBar>

namespace Velmora {

/// tbToolBar: the buttons "New", "Open", "Save", "SaveAs", "Help" and "ask". Each button is an
/// action whose objectName is its key; a click reports the key.
class MainToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit MainToolBar(QWidget *parent = nullptr);

    static QStringList keys();
    /// The button of `key`, or nullptr.
    QAction *button(const QString &key) const;

signals:
    void buttonClick(const QString &key);
};

} // namespace Velmora
