#pragma once
// A list widget stand-in that records what the list fillers do.

#include "content/ItemList.h"

#include <string>
#include <vector>

struct TRecordingList : sv::TCheckItemList {
    std::vector<std::string> Items;
    std::string Noun;
    int Clears = 0;
    void Clear() override
    {
        Items.clear();
        ++Clears;
    }
    void AddItem(const std::string& text) override { Items.push_back(text); }
    void SetItemNoun(const std::string& noun) override { Noun = noun; }
};
