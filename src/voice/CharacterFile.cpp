#include "voice/CharacterFile.h"

#include "common/Errors.h"

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace sv {

namespace {

[[noreturn]] void Refuse(const std::string& path, int line, const std::string& rule)
{
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + rule);
}

bool ToInt(const std::string& text, int lo, int hi, int& value)
{
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    return r.ec == std::errc() && r.ptr == end && value >= lo && value <= hi;
}

// The layers of a drawing: the ids of the SVG's top-level groups. Empty when the drawing
// cannot be read as XML.
std::set<std::string> DrawingLayers(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::set<std::string> layers;
    QXmlStreamReader xml(&file);
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const QStringView id = xml.attributes().value(QLatin1String("id"));
            if (depth == 2 && xml.name() == QLatin1String("g") && !id.isEmpty())
                layers.insert(id.toString().toStdString());
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return xml.hasError() ? std::set<std::string>{} : layers;
}

} // namespace

std::string TCharacterFile::PathFor(const std::string& charactersDir, const std::string& name)
{
    return charactersDir + name + "/" + name + ".character";
}

const std::vector<std::string>& TCharacterFile::RequiredAnimations()
{
    static const std::vector<std::string> names = {
        "Acknowledge", "Alert",     "Announce", "Confused", "Congratulate", "DontRecognize", "Explain", "GetAttention",
        "Greet",       "DoMagic1",  "Process",  "Read",     "Sad",          "Search",        "Suggest", "Surprised",
        "Think",       "Uncertain", "Wave",     "Write",    "DoMagic2",     "RestPose",      "Show",    "Hide",
    };
    return names;
}

TCharacterFile TCharacterFile::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        ThrowCannotOpen(path);
    TCharacterFile c;
    std::vector<int> frameLines; // the line of each frame, for the layer check below
    std::string text;
    int lineNo = 0;
    while (std::getline(in, text)) {
        ++lineNo;
        if (const std::size_t hash = text.find('#'); hash != std::string::npos)
            text.resize(hash);
        std::istringstream words(text);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (w.empty())
            continue;
        const std::string& key = w[0];
        if (key == "character" && w.size() == 2) {
            c.m_name = w[1];
        } else if (key == "art" && w.size() == 2) {
            if (w[1].find('/') != std::string::npos || w[1].find('\\') != std::string::npos)
                Refuse(path, lineNo, "the drawing must lie beside the character file");
            c.m_art = (std::filesystem::path(path).parent_path() / w[1]).string();
        } else if (key == "size" && w.size() == 3) {
            if (!ToInt(w[1], 16, 600, c.m_width) || !ToInt(w[2], 16, 600, c.m_height))
                Refuse(path, lineNo, "size needs a width and a height of 16 to 600 pixels");
        } else if (key == "frame" && w.size() >= 3) {
            const bool known = std::any_of(c.m_frames.begin(), c.m_frames.end(),
                                           [&](const TCharacterFrame& f) { return f.Name == w[1]; });
            if (known)
                Refuse(path, lineNo, "frame " + w[1] + " is defined twice");
            c.m_frames.push_back({w[1], std::vector<std::string>(w.begin() + 2, w.end())});
            frameLines.push_back(lineNo);
        } else if (key == "animation" && w.size() >= 4) {
            TCharacterAnimation a;
            a.Name = w[1];
            if (!ToInt(w[2], 0, 5000, a.FrameMs))
                Refuse(path, lineNo, "the frame time must be 0 to 5000 ms");
            for (std::size_t i = 3; i < w.size(); ++i) {
                const auto f = std::find_if(c.m_frames.begin(), c.m_frames.end(),
                                            [&](const TCharacterFrame& fr) { return fr.Name == w[i]; });
                if (f == c.m_frames.end())
                    Refuse(path, lineNo, "unknown frame " + w[i]);
                a.Frames.push_back(static_cast<int>(f - c.m_frames.begin()));
            }
            if (a.FrameMs == 0 && a.Frames.size() > 1)
                Refuse(path, lineNo, "an animation of several frames needs a frame time");
            if (c.HasAnimation(a.Name))
                Refuse(path, lineNo, "animation " + a.Name + " is defined twice");
            c.m_animations.push_back(std::move(a));
        } else {
            Refuse(path, lineNo, "not a line of a character file: " + key);
        }
    }
    if (c.m_name.empty() || c.m_art.empty() || c.m_width == 0)
        Refuse(path, lineNo, "a character file needs \"character\", \"art\" and \"size\"");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(c.m_art, ec))
        Refuse(path, lineNo, "the drawing " + c.m_art + " is missing");
    const std::set<std::string> layers = DrawingLayers(c.m_art);
    for (std::size_t f = 0; f < c.m_frames.size(); ++f)
        for (const std::string& layer : c.m_frames[f].Layers)
            if (layers.count(layer) == 0)
                Refuse(path, frameLines[f],
                       "the drawing has no layer " + layer + " (frame " + c.m_frames[f].Name + ")");
    if (!c.HasAnimation("RestPose"))
        Refuse(path, lineNo, "a character needs the animation RestPose");
    return c;
}

bool TCharacterFile::HasAnimation(const std::string& name) const
{
    return std::any_of(m_animations.begin(), m_animations.end(),
                       [&](const TCharacterAnimation& a) { return a.Name == name; });
}

const TCharacterAnimation& TCharacterFile::Animation(const std::string& name) const
{
    for (const TCharacterAnimation& a : m_animations)
        if (a.Name == name)
            return a;
    for (const TCharacterAnimation& a : m_animations)
        if (a.Name == "RestPose")
            return a;
    throw std::logic_error("character without RestPose");
}

std::vector<std::string> TCharacterFile::MissingAnimations() const
{
    std::vector<std::string> missing;
    for (const std::string& name : RequiredAnimations())
        if (!HasAnimation(name))
            missing.push_back(name);
    return missing;
}

} // namespace sv
