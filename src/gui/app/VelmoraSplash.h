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
    /// Shows `text` and advances the bar by one step (never past Max). The splash shows itself
    /// and repaints at most every 100 ms, counted from showWhileLoading().
    void ShowLoadingMessage(const QString &text);
    /// Starts the splash's part in loading: it appears once loading has taken 100 ms.
    void showWhileLoading();

    int Min() const;
    int Max() const;
    int value() const;
    QString loadingText() const;

private:
    QLabel *m_label;
    QProgressBar *m_bar;
    void paintNow();

    QElapsedTimer m_sincePaint; ///< since loading began or the last message was painted
    static constexpr int RepaintIntervalMs = 100;
};

} // namespace Velmora
