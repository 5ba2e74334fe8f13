// web_opener.h: asks the system to open a web address in the default browser.
#pragma once
#include <string>
#include <vector>

class IWebOpener {
public:
    virtual ~IWebOpener() = default;
    virtual void Open(const std::string& url) = 0;  // the result is ignored
};

class RecordingWebOpener : public IWebOpener {
public:
    void Open(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};
