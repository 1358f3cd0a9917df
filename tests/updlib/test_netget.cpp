#include <gtest/gtest.h>

#include <chrono>

#include "UpdaterApp.h"
#include "cNetGet.h"
#include "support/HttpServer.h"
#include "support/TempDir.h"

using namespace nv;
using namespace nv::test;

namespace {

struct NetGetTest : ::testing::Test {
    HttpServer server;
    cNetGet net;
    std::vector<std::string> statuses;
    int pumps = 0;
    std::vector<bool> busy;
    void SetUp() override {
        net.Init();
        net.ClearProbes();  // the tests never reach beyond 127.0.0.1
        net.SetTimeouts(2000, 500);
        net.SetStatusWindow([this](const std::string& t) { statuses.push_back(t); });
        net.SetEventPump([this] { ++pumps; });
        net.SetBusyPointer([this](bool b) { busy.push_back(b); });
    }
};

double secondsSince(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

TEST_F(NetGetTest, AFileDownloadGrowsInWhole2048ByteBlocksPaddedWithBlanks) {
    TempDir dir;
    ASSERT_TRUE(net.ReadUrl(server.url("/5000"), dir / "f.bin"));
    const std::string data = readFile(dir / "f.bin");
    ASSERT_EQ(data.size(), 6144u);
    EXPECT_EQ(data.substr(0, 5000), body5000());
    EXPECT_EQ(data.substr(5000), std::string(1144, ' '));
    EXPECT_EQ(net.GetRawHTML(), "");  // a file download leaves no page in memory
    EXPECT_EQ(statuses, (std::vector<std::string>{"Opening Tarvo update page...", "Reading Url: 2048 bytes read",
                                                  "Reading Url: 4096 bytes read", "Reading Url: 5000 bytes read",
                                                  "Reading Url: 5000 bytes read", "Ready"}));
    EXPECT_GE(pumps, 6);
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
}

TEST_F(NetGetTest, AMemoryDownloadIsExactlyTheBody) {
    ASSERT_TRUE(net.ReadUrl(server.url("/5000")));
    EXPECT_EQ(net.GetRawHTML().size(), 5000u);
    EXPECT_EQ(net.GetRawHTML(), body5000());
    EXPECT_EQ(net.GetLastError(), "");
}

TEST_F(NetGetTest, ANothingDownloadIsTrueWithAnEmptyFile) {
    TempDir dir;
    writeFile(dir / "e.bin", "old contents");
    ASSERT_TRUE(net.ReadUrl(server.url("/empty"), dir / "e.bin"));
    EXPECT_EQ(readFile(dir / "e.bin"), "");
}

TEST_F(NetGetTest, AFailedStatusIsNamedAndNothingOfItsPageIsKept) {
    TempDir dir;
    server.setPage("/gone", "<html>gone</html>", 410);
    server.setPage("/down", "<html>down</html>", 503);
    server.setPage("/odd", "<html>odd</html>", 499);
    ASSERT_TRUE(net.ReadUrl(server.url("/5000")));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/404", "404 Not Found"}, {"/gone", "410 Gone"}, {"/down", "503 Service Unavailable"}, {"/odd", "499"}};
    for (const auto& [path, status] : cases) {
        EXPECT_FALSE(net.ReadUrl(server.url(path)));
        EXPECT_EQ(net.GetLastError(), "The server answered " + status + " for " + server.url(path) + ".");
        EXPECT_EQ(net.LastErrorCode(), 12003);
        EXPECT_EQ(net.HttpStatus(), std::stoi(status));
        writeFile(dir / "page.bin", "old");
        EXPECT_FALSE(net.ReadUrl(server.url(path), dir / "page.bin"));
        EXPECT_FALSE(exists(dir / "page.bin")) << path;
    }
    EXPECT_EQ(net.GetRawHTML(), body5000());  // the page read before stays
    ASSERT_TRUE(net.ReadUrl(server.url("/redirect")));
    EXPECT_EQ(net.HttpStatus(), 0);
}

TEST_F(NetGetTest, ARedirectLoopSaysSo) {
    EXPECT_FALSE(net.ReadUrl(server.url("/loop")));
    EXPECT_EQ(net.GetLastError(), "The server redirects the request in a loop.");
}

TEST_F(NetGetTest, ADownloadEndsAtItsDeadlineWhichGrowsWithItsSize) {
    EXPECT_EQ(cNetGet::DeadlineMinutes(0), 10);
    EXPECT_EQ(cNetGet::DeadlineMinutes((5 << 20) - 1), 10);
    EXPECT_EQ(cNetGet::DeadlineMinutes(5 << 20), 11);
    EXPECT_EQ(cNetGet::DeadlineMinutes(uint64_t{512} << 20), 112);
    // A server that sends a byte every 10 ms, never stalling: a minute of 20 ms for the test.
    server.setSlowPage("/slow", std::string(100000, 's'));
    net.SetDeadlineMinute(20);
    for (const auto& [limit, minutes] : std::vector<std::pair<uint64_t, int>>{{0, 10}, {uint64_t{12} << 20, 12}}) {
        net.SetSizeLimit(limit);
        const auto t0 = std::chrono::steady_clock::now();
        EXPECT_TRUE(net.ReadUrl(server.url("/slow")));  // what came before the deadline
        EXPECT_GE(secondsSince(t0), minutes * 0.020);
        EXPECT_EQ(net.LastErrorCode(), 12002);
        EXPECT_EQ(net.GetLastError(), "The download did not finish within " + std::to_string(minutes) + " minutes.");
        EXPECT_LT(net.GetRawHTML().size(), 100000u);
    }
}

TEST_F(NetGetTest, RedirectsAreFollowed) {
    ASSERT_TRUE(net.ReadUrl(server.url("/redirect")));
    EXPECT_EQ(net.GetRawHTML(), body5000());
}

TEST_F(NetGetTest, EveryRequestAsksTheServerItselfWithTheApplicationAsAgent) {
    net.Init("Custom agent");
    ASSERT_TRUE(net.ReadUrl(server.url("/5000")));
    const auto requests = server.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_NE(requests.back().find("User-Agent: Tarvo\r\n"), std::string::npos) << requests.back();
    EXPECT_NE(requests.back().find("Cache-Control: no-cache\r\n"), std::string::npos);
    EXPECT_NE(requests.back().find("Pragma: no-cache\r\n"), std::string::npos);
    EXPECT_EQ(net.UserAgent(), "Custom agent");
}

TEST_F(NetGetTest, AClosedPortFailsToConnect) {
    TempDir dir;
    const std::string url = "http://127.0.0.1:" + std::to_string(HttpServer::closedPort()) + "/x.ini";
    EXPECT_FALSE(net.ReadUrl(url, dir / "x.ini"));
    EXPECT_EQ(net.GetLastError(), "The attempt to connect to the server failed.");
    EXPECT_EQ(net.LastErrorCode(), 12029);
    // A URL that does not open leaves the page read before.
    ASSERT_TRUE(net.ReadUrl(server.url("/5000")));
    EXPECT_FALSE(net.ReadUrl(url));
    EXPECT_EQ(net.GetRawHTML(), body5000());
    EXPECT_EQ(statuses.back(), "Ready");
    EXPECT_EQ(busy.back(), false);
}

TEST_F(NetGetTest, AServerThatNeverAnswersTimesOutWithinTheLimit) {
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_FALSE(net.ReadUrl(server.url("/stall")));
    const double took = secondsSince(t0);
    EXPECT_EQ(net.GetLastError(), "The request has timed out.");
    EXPECT_LT(took, 3.0);
    EXPECT_GE(took, 0.5);
    EXPECT_GT(pumps, 0);  // the window was given its events while waiting
}

TEST_F(NetGetTest, AServerThatStopsInTheMiddleGivesWhatWasRead) {
    TempDir dir;
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_TRUE(net.ReadUrl(server.url("/stall-body"), dir / "part.bin"));
    EXPECT_LT(secondsSince(t0), 3.0);
    EXPECT_EQ(net.GetLastError(), "The request has timed out.");
    const std::string data = readFile(dir / "part.bin");
    EXPECT_EQ(data.size(), 4096u);
    EXPECT_EQ(data.substr(0, 3000), std::string(3000, 'q'));
    EXPECT_EQ(data.substr(3000), std::string(1096, ' '));
}

TEST_F(NetGetTest, AConnectionResetInTheMiddleGivesWhatWasRead) {
    EXPECT_TRUE(net.ReadUrl(server.url("/reset")));
    EXPECT_EQ(net.GetRawHTML(), std::string(2500, 'r'));
    EXPECT_TRUE(net.LastErrorCode() == 12030 || net.LastErrorCode() == 12031) << net.LastErrorCode();
    EXPECT_EQ(net.GetLastError(), cNetGet::TranslateErrorCode(net.LastErrorCode()));
}

TEST_F(NetGetTest, BadUrlsAndSchemes) {
    EXPECT_FALSE(net.ReadUrl("http://[::1"));
    EXPECT_EQ(net.GetLastError(), "The URL is invalid.");
    EXPECT_FALSE(net.ReadUrl("gopherz://127.0.0.1/x"));
    EXPECT_EQ(net.GetLastError(), "The URL scheme could not be recognized, or is not supported.");
    EXPECT_FALSE(net.ReadUrl("file:///etc/hostname"));
    EXPECT_EQ(net.LastErrorCode(), 12006);
}

TEST_F(NetGetTest, AFileThatCannotBeOpenedIsARunTimeError) {
    TempDir dir;
    EXPECT_FALSE(net.ReadUrl(server.url("/5000"), dir / "no/such/folder.bin"));
    EXPECT_EQ(net.GetLastError(), "Path not found");
    EXPECT_EQ(busy.back(), false);
}

TEST_F(NetGetTest, AnErrorInTheStatusWindowEndsTheReadAsARunTimeError) {
    net.SetStatusWindow([](const std::string& t) {
        if (t.rfind("Reading", 0) == 0) raiseError(kErrOutOfMemory, "window");
    });
    EXPECT_FALSE(net.ReadUrl(server.url("/5000")));
    EXPECT_EQ(net.GetLastError(), "Out of memory");
    EXPECT_EQ(busy.back(), false);
}

TEST_F(NetGetTest, ParseHtmlAddsEachTargetOnce) {
    server.setPage("/links.htm",
                   "<html><a href=\"a.htm\">one</a>\r\n<A HREF=\"a.htm#x\">two</A><a href=\"b\n.htm\">3</a></html>");
    ASSERT_TRUE(net.ReadUrl(server.url("/links.htm")));
    Collection items;
    EXPECT_TRUE(net.ParseHTML("href=\"", items));
    EXPECT_EQ(items.Items(), (std::vector<std::string>{"a.htm", "b.htm"}));
    Collection custom;
    EXPECT_TRUE(net.ParseHTML("<a ", custom, std::string(">")));
    EXPECT_EQ(custom.Items(), (std::vector<std::string>{"href=\"a.htm\"", "HREF=\"a.htm#x\"", "href=\"b.htm\""}));
    EXPECT_EQ(statuses.back(), "Ready");
    Collection none;
    EXPECT_FALSE(net.ParseHTML(std::string(500, 'x'), none));
    EXPECT_EQ(none.Count(), 0u);
}

TEST_F(NetGetTest, InitAndUserAgent) {
    net.Init();
    EXPECT_EQ(net.UserAgent(), AppName());
    net.SetUserAgent("");
    EXPECT_EQ(net.UserAgent(), AppName());
    net.SetUserAgent("Agent/2");
    EXPECT_EQ(net.UserAgent(), "Agent/2");
    cNetGet fresh;
    EXPECT_EQ(fresh.Probes().Count(), 1u);
    EXPECT_EQ(fresh.Probes().Item(1), kMakerHomePage);
    fresh.AddProbe(kMakerHomePage);  // stored with itself as key: no duplicate
    EXPECT_EQ(fresh.Probes().Count(), 1u);
}

TEST_F(NetGetTest, ConnectionStateFromTheSystemFlags) {
    uint32_t flags = 0;
    net.SetConnectionState([&](uint32_t& f) {
        f = flags;
        return flags != 0;
    });
    // A LAN whose probe opens.
    net.AddProbe(server.origin());
    flags = kConnectionLan;
    EXPECT_TRUE(net.Connected());
    EXPECT_EQ(net.ConnectModeDesc(), "LAN");
    EXPECT_EQ(net.ConnectMode(), 2);
    // A LAN whose probe cannot be opened.
    net.ClearProbes();
    net.AddProbe("http://127.0.0.1:" + std::to_string(HttpServer::closedPort()) + "/");
    EXPECT_FALSE(net.Connected());
    EXPECT_EQ(net.ConnectModeDesc(), "LAN");
    // No network at all: not connected, the description keeps its last value.
    flags = 0;
    EXPECT_FALSE(net.Connected());
    EXPECT_EQ(net.ConnectModeDesc(), "LAN");
    // A modem is taken at its word unless it is busy.
    flags = kConnectionModem;
    EXPECT_TRUE(net.Connected());
    EXPECT_EQ(net.ConnectModeDesc(), "Modem");
    flags = kConnectionModem | kConnectionModemBusy;
    EXPECT_FALSE(net.Connected());
    EXPECT_EQ(net.ConnectModeDesc(), "Modem (Busy)");
    flags = kConnectionProxy;
    EXPECT_FALSE(net.Connected());
    EXPECT_EQ(net.ConnectModeDesc(), "Proxy Server");
    // The first probe that opens answers.
    net.AddProbe(server.origin());
    EXPECT_TRUE(net.TryTheWire());
    EXPECT_TRUE(net.Connected());
}

TEST_F(NetGetTest, AServerThatIsDownIsToldApartFromNoNetwork) {
    bool lan = true;
    net.SetConnectionState([&](uint32_t& f) {
        f = lan ? kConnectionLan : 0;
        return lan;
    });
    const std::string refused = "http://127.0.0.1:" + std::to_string(HttpServer::closedPort()) + "/";
    const std::string unknown = "http://no-such-host.invalid/", unknown2 = "http://no-other-host.invalid/";
    // The first probe is the update server's own address.
    const std::vector<std::pair<std::vector<std::string>, bool>> cases = {
        {{refused}, true},             // the host itself said no: the way to it works
        {{unknown, refused}, true},    // its name is unknown while another name is known
        {{unknown, unknown2}, false},  // no name is known: no network
        {{refused, server.origin()}, true},  // down, while the second proves the connection
    };
    for (const auto& [probes, down] : cases) {
        net.ClearProbes();
        for (const auto& p : probes) net.AddProbe(p);
        EXPECT_EQ(net.Connected(), probes.back() == server.origin()) << probes.front();
        EXPECT_EQ(net.FirstServerDown(), down) << probes.front() << " " << probes.back();
    }
    // No interface up: nothing was tried, no server is blamed.
    net.ClearProbes();
    net.AddProbe(refused);
    lan = false;
    EXPECT_FALSE(net.Connected());
    EXPECT_FALSE(net.FirstServerDown());
}

TEST_F(NetGetTest, NoDialUpOnThisPlatform) {
    EXPECT_FALSE(net.Dial(0));
    EXPECT_FALSE(net.HangUp());
}

TEST_F(NetGetTest, TheSystemStateReadsTheInterfaces) {
    uint32_t flags = 0xFF;
    const bool ok = cNetGet::SystemConnectionState(flags);
    EXPECT_EQ(ok, (flags & 7u) != 0);
    EXPECT_EQ(flags & ~7u, 0u);
}

TEST(NetGetErrors, TranslateErrorCodeKnowsTheWholeTable) {
    EXPECT_EQ(cNetGet::TranslateErrorCode(12001), "No more handles could be generated at this time");
    EXPECT_EQ(cNetGet::TranslateErrorCode(12002), "The request has timed out.");
    EXPECT_EQ(cNetGet::TranslateErrorCode(12007), "The server name could not be resolved.");
    EXPECT_EQ(cNetGet::TranslateErrorCode(12011), "The request option can not be set, only queried. ");
    EXPECT_EQ(cNetGet::TranslateErrorCode(12029), "The attempt to connect to the server failed.");
    EXPECT_EQ(cNetGet::TranslateErrorCode(12031), "The connection with the server has been reset.");
    EXPECT_EQ(cNetGet::TranslateErrorCode(12036), "The request failed because the handle already exists.");
    EXPECT_EQ(cNetGet::TranslateErrorCode(12156), "The server redirects the request in a loop.");
    for (int code : {12032, 12033, 12034, 12035, 12037, 0, -1, 404})
        EXPECT_EQ(cNetGet::TranslateErrorCode(code), "Error details not available.") << code;
    int distinct = 0;
    for (int code = 12001; code <= 12031; ++code)
        distinct += cNetGet::TranslateErrorCode(code) != "Error details not available.";
    EXPECT_EQ(distinct, 31);
}
