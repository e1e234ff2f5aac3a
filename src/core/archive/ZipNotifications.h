#pragma once

#include <QString>

#include <functional>

namespace Velmora {

/// What the ZIP classes tell their owner while they work. Every callback may be left empty. They
/// are called on the thread that runs the operation, so an owner that works off the window's
/// thread forwards them (a queued signal) itself.
struct ZipNotifications
{
    /// A status text ("Début d'extraction").
    std::function<void(const QString &text)> status;
    /// The share done, 0 to 100. Setting `stop` ends the operation cleanly: the reader keeps
    /// the files already complete and leaves no partial one; the writer leaves no archive.
    std::function<void(int percent, bool &stop)> progress;
    /// An error with its text and code (see ZipError).
    std::function<void(const QString &text, int code)> error;
};

/// The codes of the error notification. 3 to 13 are the reader's historic codes; the codes from
/// 20 on are ours, for the checks the historic reader never made.
namespace ZipError {
enum Code : int {
    NotOpen = 3, // "Il n'y a pas de fichier Zip ouvert"
    UnsupportedMethod = 4, // "La méthode de compression pour NAME n'est pas supportée"
    Checksum = 5, // "Erreur de checksum dans NAME"
    FileExists = 11, // "Le fichier PATH existe déjà"
    CannotDelete = 12, // "Ne peut pas supprimer le fichier PATH"
    CannotCreateFolder = 13, // "Impossible de créer le répertoire PATH"
    UnsafeName = 20, // a name that leaves the target folder
    BadData = 21, // an entry whose header or place in the file is broken
    SizeLimit = 22, // the total extracted size would pass the limit
    RatioLimit = 23, // an entry expands more than the ratio limit allows
    Overlap = 24, // an entry shares its bytes with another one
    CannotWrite = 25, // the target file cannot be written
};
} // namespace ZipError

} // namespace Velmora
