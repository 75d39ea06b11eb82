#include "notices/NoticeBoard.h"

#include "VirtualTime.h"

#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace aerolap::testing {
namespace {

struct Board : ::testing::Test {
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard board{time.wall, errors};
};

TEST_F(Board, EachNoticeIsOneLineOnTheErrorStreamAndAnEntryWithItsTime) {
    board.post("The sound output is gone.\nCheck the cable.", Notice::Urgency::ActNow);
    time.advance(std::chrono::seconds(2));
    board.post("Sound output: ALSA");
    EXPECT_EQ(errors.str(), "aerolap: The sound output is gone. Check the cable.\n"
                            "aerolap: Sound output: ALSA\n");
    const std::vector<Notice> entries = board.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].urgency, Notice::Urgency::ActNow);
    EXPECT_EQ(entries[1].at - entries[0].at, std::chrono::seconds(2));
}

TEST_F(Board, ListenersHearWhatWasKeptThenEveryNoticeInTheOrderOfTheStream) {
    board.post("early");
    std::vector<std::string> heard;
    board.listen([&heard](const Notice& notice) { heard.push_back(notice.text()); });
    std::vector<std::thread> posters;
    for (int thread = 0; thread < 4; ++thread) {
        posters.emplace_back([this, thread] {
            for (int i = 0; i < 50; ++i) {
                board.post(std::to_string(thread) + "." + std::to_string(i));
            }
        });
    }
    for (std::thread& poster : posters) {
        poster.join();
    }
    ASSERT_EQ(heard.size(), 201u);
    std::string stream;
    for (const std::string& text : heard) {
        stream += "aerolap: " + text + "\n";
    }
    EXPECT_EQ(stream, errors.str());
}

TEST_F(Board, AListenerThatStoppedHearsNothingMoreAndTheOthersHearOn) {
    std::vector<std::string> first, second;
    const std::size_t stopping =
        board.listen([&first](const Notice& notice) { first.push_back(notice.text()); });
    board.listen([&second](const Notice& notice) { second.push_back(notice.text()); });
    board.post("both");
    board.stopListening(stopping);
    board.post("second only");
    EXPECT_EQ(first, std::vector<std::string>{"both"});
    EXPECT_EQ(second, (std::vector<std::string>{"both", "second only"}));
}

TEST_F(Board, KeepsTheNewestEntriesOnly) {
    for (std::size_t i = 0; i <= NoticeBoard::kKeptEntries; ++i) {
        board.post(std::to_string(i));
    }
    const std::vector<Notice> entries = board.entries();
    ASSERT_EQ(entries.size(), NoticeBoard::kKeptEntries);
    EXPECT_EQ(entries.front().text(), "1");
    EXPECT_EQ(entries.back().text(), std::to_string(NoticeBoard::kKeptEntries));
}

} // namespace
} // namespace aerolap::testing
