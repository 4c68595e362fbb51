#pragma once
// TDocFile: a printable document being written, RTF or plain text, kept in memory and saved
// in one step. Lines end in CR LF; content text is Windows-1252 bytes written unchanged,
// except that in RTF a backslash or brace of the content is escaped so that it cannot break
// the document's groups. A plain-text document is saved as UTF-8 with LF line ends unless it
// is meant for Windows machines (TTextEncoding::Windows1252 keeps the bytes and CR LF); an
// RTF document is saved as written. Save replaces the target only once everything is written:
// a failed save leaves no half document and throws EFileError "Cannot create file " + path.
//
// The writer routines (RtfWriter.h) and every document take a TDocFile; the dialogs and the
// command-line tool save it and offer to open it.

#include <string>
#include <string_view>

namespace sv {

enum class TDocFormat {
    Rtf,  // "Formatted output (RTF)"
    Text, // "Text-only output"
};

// How a plain-text document is saved.
enum class TTextEncoding {
    Utf8,        // UTF-8, LF line ends
    Windows1252, // Windows-1252, CR LF line ends, for Windows machines
};

class TDocFile {
public:
    explicit TDocFile(TDocFormat format, TTextEncoding text = TTextEncoding::Utf8) : m_format(format), m_text(text) { }

    TDocFormat Format() const { return m_format; }
    bool IsRtf() const { return m_format == TDocFormat::Rtf; }

    // Markup or literal text, written as given.
    void Write(std::string_view literal) { m_bytes.append(literal); }
    // Content text (scripture, questions, titles from the content files).
    void WriteText(std::string_view text);
    void WriteChar(char c);
    void WriteNumber(long long n) { m_bytes.append(std::to_string(n)); }
    // Ends the line (CR LF).
    void EndLine() { m_bytes.append("\r\n"); }

    // The document as written (Windows-1252, CR LF).
    const std::string& Bytes() const { return m_bytes; }
    // The bytes Save writes (see the header comment).
    std::string SavedBytes() const;

    // Writes the document to path through a temporary file.
    void Save(const std::string& path) const;

private:
    TDocFormat m_format;
    TTextEncoding m_text;
    std::string m_bytes;
};

// The format a file name asks for: ".txt" (any case) is plain text, anything else RTF.
TDocFormat FormatOfFileName(const std::string& path);

} // namespace sv
