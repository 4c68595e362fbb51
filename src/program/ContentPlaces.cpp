#include "program/ContentPlaces.h"

#include "common/SaveAtomically.h"

#include <QCryptographicHash>
#include <QFile>

#include <fstream>
#include <span>

namespace sv {

namespace {

constexpr const char* OriginFile = "built-from";

// The digest of the shipped question file, the content a rebuild started from.
std::string ShippedDigest(const TProgramPaths& paths)
{
    QFile f(QString::fromStdString(paths.ProgramDir + "wf.qs"));
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
    p.SourcesDir = paths.ProgramDir + "source/";
    p.TextCacheDir = p.SourcesDir + "text/";
    p.CoachDir = paths.DataDir + "Coach/" + portionId + "/";
    p.BuildDir =
        paths.Layout == TDataLayout::ProgramFolder ? paths.ProgramDir : paths.DataDir + "Content/" + portionId + "/";
    return p;
}

std::string ContentDirToLoad(const TProgramPaths& paths, const TContentPlaces& places)
{
    if (places.BuildDir == paths.ProgramDir)
        return paths.ProgramDir;
    std::ifstream in(places.BuildDir + OriginFile);
    std::string noted;
    if (in >> noted && !noted.empty() && noted == ShippedDigest(paths)
        && QFile::exists(QString::fromStdString(places.BuildDir + "wf.qs")))
        return places.BuildDir;
    return paths.ProgramDir;
}

void NoteRebuildOrigin(const TProgramPaths& paths, const TContentPlaces& places)
{
    if (places.BuildDir == paths.ProgramDir)
        return;
    const std::string digest = ShippedDigest(paths) + "\n";
    SaveAtomically(places.BuildDir + OriginFile, std::span<const char>(digest.data(), digest.size()));
}

} // namespace sv
