#pragma once
// Little-endian streams over whole files held in memory. Every file of the program is read
// and written through these two classes, field by field, with every bound checked.
//
// TStreamReader never reads outside its buffer. In TShortReads::Fail mode (content files)
// a read that runs past the end throws ERangeError naming the file and the offset; in
// TShortReads::Keep mode (the user file, whose short files keep the fields they do not
// reach) a short read fills what is there and leaves the rest of the target unchanged.
//
// TStreamWriter collects bytes and writes them with an atomic save: the old file stays
// intact unless the whole new content was written and committed.

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sv {

enum class TShortReads { Fail, Keep };

class TStreamReader {
public:
    TStreamReader(std::vector<std::uint8_t> data, std::string name, TShortReads mode = TShortReads::Fail);

    // Reads the whole file; a missing or unreadable file throws EFileError "Cannot open file " + path.
    static TStreamReader FromFile(const std::string& path, TShortReads mode = TShortReads::Fail);

    template <std::integral T>
    void read(T& value)
    {
        std::uint8_t buf[sizeof(T)];
        for (std::size_t i = 0; i < sizeof(T); ++i)
            buf[i] = static_cast<std::uint8_t>(static_cast<std::make_unsigned_t<T>>(value) >> (8 * i));
        readBytes(std::span<std::uint8_t>(buf, sizeof(T)));
        std::make_unsigned_t<T> u = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            u = static_cast<std::make_unsigned_t<T>>(u | (static_cast<std::make_unsigned_t<T>>(buf[i]) << (8 * i)));
        value = static_cast<T>(u);
    }

    template <std::integral T>
    T get()
    {
        T v{};
        read(v);
        return v;
    }

    std::uint8_t u8() { return get<std::uint8_t>(); }
    std::int8_t i8() { return get<std::int8_t>(); }
    std::uint16_t u16() { return get<std::uint16_t>(); }
    std::int16_t i16() { return get<std::int16_t>(); }
    std::uint32_t u32() { return get<std::uint32_t>(); }
    std::int32_t i32() { return get<std::int32_t>(); }

    // Copies the next out.size() bytes (see the class comment for short reads).
    void readBytes(std::span<std::uint8_t> out);
    void skip(std::size_t n);

    std::size_t position() const { return m_pos; }
    std::size_t size() const { return m_data.size(); }
    std::size_t remaining() const { return m_data.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_data.size(); }
    // True once a read in Keep mode came up short.
    bool wasShort() const { return m_short; }
    const std::string& name() const { return m_name; }

private:
    std::vector<std::uint8_t> m_data;
    std::string m_name;
    TShortReads m_mode;
    std::size_t m_pos = 0;
    bool m_short = false;
};

class TStreamWriter {
public:
    template <std::integral T>
    void write(T value)
    {
        auto u = static_cast<std::make_unsigned_t<T>>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            m_data.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
    }
    void u8(std::uint8_t v) { write(v); }
    void i8(std::int8_t v) { write(v); }
    void u16(std::uint16_t v) { write(v); }
    void i16(std::int16_t v) { write(v); }
    void u32(std::uint32_t v) { write(v); }
    void i32(std::int32_t v) { write(v); }
    void writeBytes(std::span<const std::uint8_t> bytes);
    void writeZeros(std::size_t n);

    const std::vector<std::uint8_t>& data() const { return m_data; }
    std::size_t size() const { return m_data.size(); }

    // Atomic save: writes a temporary file beside path and replaces path only when
    // everything was written; on failure throws EFileError "Cannot create file " + path
    // and the old file is untouched.
    void saveToFile(const std::string& path) const;

private:
    std::vector<std::uint8_t> m_data;
};

} // namespace sv
