#pragma once
// Giving authored questions their ids: every question of questions/*.yaml without an "id"
// gets the next free one (files in name order, questions in file order), written into its
// source as the first field of the question; everything else of the file stays byte for byte
// as it was (comments, order, quoting, line ends). The next free id is kept as "next-id" in
// portion.yaml, so an id that is deleted with its question is never handed out again.

#include <string>
#include <vector>

namespace sv::content {

struct TIdAssignment {
    int Assigned = 0;               // questions that got an id
    int NextId = 0;                 // next-id as written into portion.yaml
    std::vector<std::string> Files; // the question files written
};

// Reads and checks the sources of the folder first (ESourceError on a fault, nothing written);
// then writes portion.yaml (next-id first, so that the ids are taken even when a later write
// fails) and every question file that got an id, each atomically.
TIdAssignment AssignIds(const std::string& sourcesDir);

// The text of a YAML file with "id: N" put before the first field of the sequence entries
// whose mapping starts at the given byte offsets (offset, id), at the entry's indentation.
std::string InsertIds(const std::string& text, const std::vector<std::pair<std::size_t, int>>& at);

} // namespace sv::content
