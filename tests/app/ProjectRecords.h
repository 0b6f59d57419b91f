#pragma once
// The records of the program's compound files written byte by byte, as the file
// format describes them and without the program's archive, and the streams of
// a file's "Strakon" storage read and replaced in place.
#include "platform/storage/CCompoundFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

class RecordWriter {
public:
    RecordWriter& dword(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    RecordWriter& text(const std::string& s) {
        bytes.push_back(static_cast<std::uint8_t>(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    // A placement record: length, flags, show command, two points, the normal rectangle.
    RecordWriter& placement(int left, int top, int right, int bottom) {
        dword(44).dword(0).dword(1);
        for (int i = 0; i < 4; ++i)
            dword(static_cast<std::uint32_t>(-1));
        return dword(left).dword(top).dword(right).dword(bottom);
    }
    // A workspace's window record of a structure's view.
    RecordWriter& window(const std::string& structure, const std::string& typeName, int index = -1) {
        dword(10000).placement(10, 20, 410, 320).text(structure).text(".?AV" + typeName + "@@");
        if (index >= 0) dword(static_cast<std::uint32_t>(index));
        return *this;
    }
    Bytes bytes;
};

inline Bytes readStream(const std::filesystem::path& file, const std::string& name) {
    CCompoundFile f(file);
    return f.Root().OpenStorage("Strakon")->OpenStream(name)->GetData();
}

inline void writeStream(const std::filesystem::path& file, const std::string& name, const Bytes& data) {
    CCompoundFile f(file);
    auto storage = f.Root().OpenStorage("Strakon");
    storage->CreateStream(name)->SetData(data);
    storage->Commit();
    f.Commit();
    f.Close();
}
