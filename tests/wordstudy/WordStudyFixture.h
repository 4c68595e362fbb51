#pragma once
// A small portion for the word study tests: two books, three chapters, seven verses, with
// words used once ("zebra"), twice ("grace"), three times ("peace", "paul") and more often
// ("the", "to", "and", "of"), names and places, and a word first used in chapter 2.
//
//   Ga1:1 Paul, an apostle, to the churches of the region:      section "Greeting"
//   Ga1:2 grace to you and peace.
//   Ga1:3 The zebra ran to the end of the road.
//   Ga2:1 Then Paul went up to Jerusalem with the peace of Barnabas.   section "Paul in Jerusalem"
//   Ga2:2 And grace and peace were with the saints.
//   Phm1:1 Paul, a prisoner, to Philemon and the church.         section "Thanks"
//   Phm1:2 The quiet house of the brothers.

#include "support/ContentFixture.h"
#include "wordstudy/BibleBrowser.h"

#include <memory>
#include <string>

namespace sv::test {

TFixtureDesc WordStudyPortion();

// The portion's stores, loaded once per test.
struct TWordStudyContent {
    TLoadedContent Content;
    TWordStudyContent();
    const TBooks& Books() const { return Content.Books; }
    const TWords& Words() const { return Content.Words; }
    // Word index of a word by its text (case-insensitive); fails the test when missing.
    int Index(const std::string& word) const;
};

// The 0-based row of a word in the browser's word list; -1 when it is not listed.
int RowOf(const TBibleBrowser& browser, int wordIndex);

// A speech service that records what it is asked to say.
class TRecordingSpeech : public IBibleSpeech {
public:
    bool Available = true;
    std::vector<std::pair<std::string, TSpeechKind>> Said;
    bool SpeechAvailable() const override { return Available; }
    void Speak(const std::string& text, bool, TSpeechKind kind) override { Said.emplace_back(text, kind); }
};

} // namespace sv::test
