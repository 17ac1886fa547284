// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/LinkFollower.h"
#include "core/meter/Monitor.h"
#include "core/platform/FakeClock.h"
#include "core/platform/Paths.h"

#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <linux/if.h>
#include <map>
#include <sstream>

namespace {
const CTime kBase(2026, 12, 2, 14, 0, 0);
const std::map<std::string, unsigned> kFlags = {{"up", IFF_UP | IFF_RUNNING | IFF_LOWER_UP},
                                                {"lower", IFF_UP | IFF_LOWER_UP},
                                                {"running", IFF_UP | IFF_RUNNING},
                                                {"no-carrier", IFF_UP},
                                                {"down", 0},
                                                {"flags", IFF_UP | IFF_RUNNING | IFF_PROMISC}};

// Runs the steps "minute verb [link [new name]]", separated by ", ", on a real monitor and
// Calls.log; the kernel's side is a table of links whose changes reach the follower as the routing
// socket hands them on. Gives the calls in minutes after 14:00 ("1-5", "7-" while timed), "up"
// while the followed link is up, then what was said.
std::string Follow(const std::string& steps) {
    TempDir dir;
    const Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
    FakeClock clock{kBase};
    CMonitor monitor{paths, prompter, clock};
    monitor.Load();
    std::vector<std::string> said;
    CLinkFollower follower{monitor, [&](const std::string& text) {
                               said.push_back(text);
                           }};
    std::map<std::string, LinkState> links;
    int lastIndex = 1;
    const auto look = [&] {
        for (const auto& [name, link] : links)
            follower.Changed(link);
        follower.LookDone();
    };
    std::istringstream in(steps);
    for (std::string step; std::getline(in, step, ',');) {
        std::istringstream words(step);
        int minute = 0;
        std::string verb, name, to;
        words >> minute >> verb >> name >> to;
        clock.Set(kBase + CTimeSpan(minute * 60));
        const auto link = [&]() -> LinkState& {
            return links.try_emplace(name, LinkState{++lastIndex, name, 0, false}).first->second;
        };
        if (kFlags.contains(verb)) {
            link().flags = kFlags.at(verb);
            follower.Changed(link());
        } else if (verb == "delete" || verb == "vanish") { // a vanished link was not told of
            LinkState gone = link();                       // with its last flags
            gone.deleted = true;
            links.erase(name);
            if (verb == "delete")
                follower.Changed(gone);
        } else if (verb == "rename") {
            auto node = links.extract(name);
            node.key() = node.mapped().name = to;
            follower.Changed(links.insert(std::move(node)).position->second);
        } else if ((verb == "look" || verb == "off") && follower.Configure(verb == "look", name)) {
            look();
        } else if (verb == "lost") {
            follower.Lost();
            look();
        } else if (verb == "cannot") {
            follower.CannotWatch("Permission denied");
        } else if (verb == "start" || verb == "stop") { // by hand
            verb == "start" ? void(monitor.Start(CallCause::User)) : void(monitor.Stop(CallCause::User));
        }
    }
    const auto at = [](CTime t) {
        return std::to_string((t - kBase).GetTotalSeconds() / 60);
    };
    std::string out;
    for (int i = 0; i < monitor.Calls().GetSize(); ++i)
        out += at(monitor.Calls().GetAt(i).GetStart()) + "-" + at(monitor.Calls().GetAt(i).GetEnd()) + " ";
    out += (monitor.IsRunning() ? at(monitor.StartTime()) + "- " : "") + (follower.IsLinkUp() ? "up " : "");
    for (const std::string& notice : said)
        out += "| " + notice + " ";
    return out.substr(0, out.size() - !out.empty());
}

class LinkFollowerTest : public FreshStateTest {};

TEST_F(LinkFollowerTest, StartsAndStopsOnChangesOnlyAndLeavesTheRestToTheUser) {
    const std::string already = "The link ppp0 was already up: timing from now";
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"up with a carrier; carrier lost, deleted and downed each end the call",
         "0 look ppp0, 1 up ppp0, 2 no-carrier ppp0, 3 lower ppp0, 4 delete ppp0, 5 running ppp0, 6 down "
         "ppp0",
         "1-2 3-4 5-6"},
        {"renamed away is down, renamed to the name appears; other links do not count",
         "0 up wwan0, 0 look ppp0, 1 up ppp0, 2 up eth0, 3 rename ppp0 modem, 4 rename wwan0 ppp0, "
         "5 down modem, 6 down ppp0, 7 down eth0",
         "1-3 4-6"},
        {"a stop by hand stands until the link goes down and up",
         "0 look ppp0, 1 up ppp0, 2 stop, 3 flags ppp0, 4 lost, 5 down ppp0, 6 up ppp0, 7 down ppp0",
         "1-2 6-7"},
        {"a start by hand while down runs until the next down or a stop",
         "0 look ppp0, 1 start, 2 up ppp0, 4 down ppp0, 5 start, 6 stop, 7 up ppp0", "1-4 5-6 7- up"},
        {"already up at the first look: timed at once, said once",
         "0 up ppp0, 2 look ppp0, 3 flags ppp0, 4 stop, 5 look ppp0", "2-4 up | " + already},
        {"another link named is looked at afresh, with a call timed: nothing started or said; off leaves the "
         "call; on again looks afresh",
         "0 up ppp0, 0 up wwan0, 1 look ppp0, 2 look wwan0, 3 down ppp0, 4 off, 5 down wwan0, 6 stop, "
         "7 up wwan0, 8 look wwan0",
         "1-6 8- up | " + already + " | The link wwan0 was already up: timing from now"},
        {"a look after missed changes ends the call of a link no longer listed",
         "0 look ppp0, 1 up ppp0, 3 vanish ppp0, 4 lost, 5 up ppp0", "1-4 5- up"},
        {"no name of a link: said, nothing followed", "0 up ppp0, 1 look bad/name, 2 down ppp0, 3 up ppp0",
         "| \"bad/name\" in the Preferences is not the name of a network link, so the timer does not follow "
         "it."},
        {"links that cannot be watched: said, then looked at again with the next settings",
         "0 look ppp0, 1 cannot, 2 up ppp0, 3 look ppp0",
         "3- up | Corvellan cannot watch the network links (Permission denied), so the timer does not follow "
         "ppp0. | " +
             already},
    };
    for (const auto& [what, steps, outcome] : cases)
        EXPECT_EQ(Follow(steps), outcome) << what << ": " << steps;
}
} // namespace
