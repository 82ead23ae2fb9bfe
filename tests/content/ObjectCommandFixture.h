#pragma once
// The site of the generation tests with an object of every kind that the object commands
// name: image 5:3 "Logo" (img/logo.gif, map logo.map, 31 by 88), ActiveX object 5:17 "Clock",
// Java applet 5:18 "Ticker" (in "applets"), multimedia object 5:19 "Jingle" (sounds/jingle.wav),
// ad 5:7 showing the image and ad space 5:12 whose first slot holds that ad at 100 percent,
// and page 40 "Home" (page.html in the section's directory), whose text the tests set. The
// rotation draws from a scripted source.

#include "content/QZRandomSource.h"
#include "tests/content/GenerationFixture.h"

#include <string>
#include <vector>

// Gives the draws it was handed, in turn (the last one again when they run out).
class ScriptedDraws : public QZRandomSource {
public:
    explicit ScriptedDraws(std::vector<int> draws);
    ~ScriptedDraws() override;
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;

    void Seed(unsigned int) override {}
    int Draw() override;

private:
    std::vector<int> m_draws;
    size_t m_next = 0;
    QZRandomSource* m_previous;
};

class ObjectCommandTest : public GenerationTest {
protected:
    void SetUp() override;

    // Generates page 40 with this text; the part of the file between the body tag and its end.
    std::string Body(const std::string& text);
    // The texts of the error lines logged so far ("image: ...").
    std::vector<std::string> ErrorTexts() const;
    // Page 40 with this text, loaded for editing.
    std::unique_ptr<QZVantrelPage> EditPage(const std::string& text);
    // The rows of MQ_PageImpressions as "adspace ad doc when" texts.
    std::vector<std::string> Impressions();

    // Each run draws 0: the first slot whose weight passes it.
    ScriptedDraws m_draws{{0}};
};
