#pragma once

class QCommandLineParser;

namespace Velmora {

class CliCall;

/// velmora-cli maps render CAMPAIGN MAPKEY OUT.png [--mode 0|2] [--size WxH]: what the map view
/// shows for one map of a campaign (picture, grid, markers), painted headless by the view's own
/// renderer and saved as PNG.
class MapRenderCommand
{
public:
    static int run(CliCall &call);
    /// True for "render": painting needs a QGuiApplication.
    static bool needsGui(const QCommandLineParser &parser);
};

} // namespace Velmora
