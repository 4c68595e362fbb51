#include "program/ContentPlaces.h"

#include "common/SaveAtomically.h"

#include <QCryptographicHash>
#include <QFile>

#include <fstream>
#include <span>

namespace sv {

namespace {

constexpr const char* OriginFile = "built-from";

// The portion's own folder: the program folder for the shipped portion.
std::string HomeOf(const TProgramPaths& paths)
{
    return paths.PortionDir.empty() ? paths.ProgramDir : paths.PortionDir;
}

// The digest of the portion's own question file, the content a rebuild started from.
std::string ShippedDigest(const TProgramPaths& paths)
{
    QFile f(QString::fromStdString(HomeOf(paths) + "wf.qs"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&f);
    return hash.result().toHex().toStdString();
}

} // namespace

TContentPlaces ContentPlacesOf(const TProgramPaths& paths, const std::string& portionId)
{
    TContentPlaces p;
    const std::string home = HomeOf(paths);
    p.SourcesDir = home + "source/";
    p.TextCacheDir = p.SourcesDir + "text/";
    p.CoachDir = paths.DataDir + "Coach/" + portionId + "/";
    p.BuildDir = paths.Layout == TDataLayout::ProgramFolder ? home : paths.DataDir + "Content/" + portionId + "/";
    return p;
}

std::string ContentDirToLoad(const TProgramPaths& paths, const TContentPlaces& places)
{
    const std::string home = HomeOf(paths);
    if (places.BuildDir == home)
        return home;
    std::ifstream in(places.BuildDir + OriginFile);
    std::string noted;
    if (in >> noted && !noted.empty() && noted == ShippedDigest(paths)
        && QFile::exists(QString::fromStdString(places.BuildDir + "wf.qs")))
        return places.BuildDir;
    return home;
}

void NoteRebuildOrigin(const TProgramPaths& paths, const TContentPlaces& places)
{
    if (places.BuildDir == HomeOf(paths))
        return;
    const std::string digest = ShippedDigest(paths) + "\n";
    SaveAtomically(places.BuildDir + OriginFile, std::span<const char>(digest.data(), digest.size()));
}

} // namespace sv
