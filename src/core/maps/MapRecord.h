#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace Velmora {

/// One map of the collection (block MAPS): its picture and how it is shown. The display name is
/// not stored: a loaded map is named and keyed by its picture's base name (key()).
struct MapRecord
{
    QString picturePath;       // full path of the picture file
    bool fitted = true;        // "FITTED" (picture fitted to the view) or "FULL"
    bool gridVisible = false;  // "TRUE" / "FALSE"
    int gridX = 0;             // horizontal grid divisions
    int gridY = 0;             // vertical grid divisions; 0 makes square cells
    int gridColour = 16777215; // grid colour, 0x00BBGGRR (white by default)
    QString navX;              // navigation position, kept as stored; "" for a map added by hand
    QString navY;
    bool playersVisible = false; // player markers drawn
    bool notesVisible = false;   // note markers drawn

    /// The map key: the picture's file name without folder and extension.
    QString key() const;
    /// FileNames::FileBaseName: "C:\Maps\Keep.v2.jpg" gives "Keep.v2".
    static QString FileBaseName(const QString &path);

    /// 10 fields: path; "FULL" or "FITTED"; grid visible; grid X; grid Y; grid colour; nav X;
    /// nav Y; players visible; notes visible. Any mode but "FITTED" is "FULL" and any flag but
    /// "TRUE" is false; an empty grid number is 0. std::nullopt for fewer than 10 fields or a grid
    /// number that is not a whole number. Extra fields belong to the path, which may hold ";".
    static std::optional<MapRecord> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const MapRecord &) const = default;
};

} // namespace Velmora
