#pragma once
// TCharacterFile: one assistant character as the program folder holds it, in
// "Characters/<Name>/<Name>.character" beside its drawing "<Name>.svg". The text format (see
// "Characters/FORMAT.md" of the program folder) names the drawing, the size the character is
// shown at, the frames (each a list of layers of the drawing, drawn in order) and the
// animations (each a frame rate and a list of frames):
//
//     # a comment
//     character Peedy
//     art Peedy.svg
//     size 130 150
//     frame rest body eyes beak wing
//     animation RestPose 0 rest
//     animation Wave 150 up wave up wave rest
//
// A file that cannot be read or breaks a rule is refused as a whole (the character counts as
// not installed). An animation the file does not have plays RestPose instead.

#include <string>
#include <vector>

namespace sv {

struct TCharacterFrame {
    std::string Name;
    std::vector<std::string> Layers; // ids of the drawing's layers, bottom first
};

struct TCharacterAnimation {
    std::string Name;
    int FrameMs = 0;         // time each frame stays; 0 for a single still frame
    std::vector<int> Frames; // indexes into Frames()
};

class TCharacterFile {
public:
    // The file of a character in a characters folder (ending in "/").
    static std::string PathFor(const std::string& charactersDir, const std::string& name);
    // Every animation the program plays: the twenty of the comment table, "DoMagic2" (after
    // "DoMagic1"), "RestPose", "Show" and "Hide".
    static const std::vector<std::string>& RequiredAnimations();

    // Reads and checks a character file. Throws EFileError "Cannot open file " + path when it
    // cannot be read, std::runtime_error naming the line and the rule when it breaks one
    // (unknown keyword, bad number, a frame or animation without parts, an animation naming an
    // unknown frame, no "character", "art" or "size", a missing drawing, a frame naming a layer
    // the drawing lacks (the layers are the SVG's top-level groups, by id), no "RestPose").
    static TCharacterFile Load(const std::string& path);

    const std::string& Name() const { return m_name; }
    // The drawing's full path.
    const std::string& ArtPath() const { return m_art; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<TCharacterFrame>& Frames() const { return m_frames; }
    const std::vector<TCharacterAnimation>& Animations() const { return m_animations; }

    // The animation of that name; RestPose when the file has none of that name.
    const TCharacterAnimation& Animation(const std::string& name) const;
    bool HasAnimation(const std::string& name) const;
    // The required animations this file lacks (they play RestPose).
    std::vector<std::string> MissingAnimations() const;

private:
    std::string m_name;
    std::string m_art;
    int m_width = 0;
    int m_height = 0;
    std::vector<TCharacterFrame> m_frames;
    std::vector<TCharacterAnimation> m_animations;
};

} // namespace sv
