#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace Velmora {

/// The window shown while the main window builds itself: a caption, the current loading step
/// (VelmoraLoadingLabel) and a progress bar (VelmoraProgressBar) that moves one step per message.
class VelmoraSplash : public QWidget
{
    Q_OBJECT

public:
    explicit VelmoraSplash(QWidget *parent = nullptr);

    static constexpr int LeastMax = 25;

    /// Sets Min and Max; a Max below 25 becomes 25. The value starts at Min.
    void setProgressRange(int min, int max);
    /// Shows `text`, advances the bar by one step (never past Max) and repaints at once.
    void ShowLoadingMessage(const QString &text);

    int Min() const;
    int Max() const;
    int value() const;
    QString loadingText() const;

private:
    QLabel *m_label;
    QProgressBar *m_bar;
    QElapsedTimer m_sincePaint; ///< since the last message that was painted
    static constexpr int RepaintIntervalMs = 100;
};

} // namespace Velmora
