#include "TempFolder.h"

#include "core/websettings/CardPageFolder.h"
#include "core/websettings/WebSettingFiles.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

// A card whose root has a space, with a page, links that stay inside the
// html folder and links that lead out of it.
class CardPageFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_card.write("my card/SETTING/setup.cfg", "record");
        m_card.write("secret/key.txt", "secret");
        m_html = WebSettingFiles::htmlFolder(m_card.path("my card"));
        m_card.write("my card/SETTING/html/index.html", kPage);
        m_card.write("my card/SETTING/html/js/app.js", "start();");
        m_card.write("my card/SETTING/html/img/a b.png", "png");
        for (const QString &link :
             QStringList{"/etc/passwd passwd", ".. up", "js scripts", ". self"})
            ASSERT_TRUE(QFile::link(link.section(' ', 0, 0), m_html + '/' + link.section(' ', 1)));
        ASSERT_TRUE(QFile::link(m_card.path("secret"), m_html + "/outside"));
        ASSERT_EQ(mkfifo(QFile::encodeName(m_html + "/pipe").constData(), 0600), 0);
    }

    QString canonical(const QString &name) const
    {
        return QFileInfo(m_html + '/' + name).canonicalFilePath();
    }

    static constexpr const char *kPage = "<!DOCTYPE html><script src=\"js/app.js\"></script>";
    TempFolder m_card;
    QString m_html;
};

// The directives of the policy the page starts with, by name.
QMap<QString, QString> policyOf(const QByteArray &page)
{
    QMap<QString, QString> directives;
    if (!page.startsWith("<meta http-equiv=\"Content-Security-Policy\" content=\""))
        return directives;
    for (const QString &directive : QString::fromUtf8(page).section('"', 3, 3).split("; "))
        directives.insert(directive.section(' ', 0, 0), directive.section(' ', 1));
    return directives;
}

} // namespace

TEST_F(CardPageFolderTest, ServesFilesInsideTheFolder)
{
    const CardPageFolder folder(m_html);
    // Links that stay inside the folder are followed.
    for (const char *urlPath : {"", "/", "index.html", "//index.html", "/self/index.html"})
        EXPECT_EQ(folder.resolve(urlPath), canonical("index.html")) << urlPath;
    for (const char *urlPath : {"/./js/app.js", "/scripts/app.js"})
        EXPECT_EQ(folder.resolve(urlPath), canonical("js/app.js")) << urlPath;
    EXPECT_EQ(folder.resolve("/img/a b.png"), canonical("img/a b.png"));

    // Also when the folder itself is reached through a link.
    ASSERT_TRUE(QFile::link(m_html, m_card.path("page")));
    EXPECT_EQ(CardPageFolder(m_card.path("page")).resolve("/js/app.js"), canonical("js/app.js"));
    EXPECT_FALSE(CardPageFolder(m_card.path("page")).resolve("/passwd"));
}

TEST_F(CardPageFolderTest, RefusesEverythingElse)
{
    const CardPageFolder folder(m_html);
    for (const QString &urlPath : QStringList{
             "/../setup.cfg", "../setup.cfg", "/js/../index.html", "/..", "/%2e%2e/setup.cfg",
             "/passwd", "/outside/key.txt", "/up/setup.cfg", "/self/../setup.cfg", "/js", "/js/",
             "/scripts", "/missing.html", "/index.html/", "/pipe",
             QString("/index.html") + QChar(0), QString("/index.html") + QChar(0) + ".png"}) {
        EXPECT_FALSE(folder.resolve(urlPath)) << urlPath.toStdString();
        EXPECT_FALSE(folder.read(urlPath)) << urlPath.toStdString();
    }
    EXPECT_FALSE(CardPageFolder(m_card.path("no such folder")).resolve("/index.html"));
    EXPECT_FALSE(CardPageFolder(QString()).resolve("/index.html"));
}

TEST_F(CardPageFolderTest, ReadsWithThePolicyOnHtmlOnly)
{
    const CardPageFolder folder(m_html, "torva-card");
    EXPECT_EQ(folder.read("/js/app.js"), "start();");
    EXPECT_EQ(folder.read("/"), CardPageFolder::withContentSecurityPolicy(kPage, "torva-card:"));

    QFile huge(m_html + "/huge.js");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(16 * 1024 * 1024 + 1));
    EXPECT_FALSE(folder.read("/huge.js"));

    EXPECT_EQ(CardPageFolder::mimeType("INDEX.HTM"), "text/html");
    EXPECT_EQ(CardPageFolder::mimeType("page"), "application/octet-stream");
}

TEST(CardPageFolder, PolicyComesBeforeAnyMarkupOfThePage)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    // The page, and how much of it stays in front of the policy.
    const std::pair<QByteArray, qsizetype> cases[] = {
        {"", 0},
        {"<html><head><script>x()</script></head></html>", 0},
        {"<!DOCTYPE html>\n<html><head><script>x()</script>", 15},
        {"  \n<!doctype HTML><script>x()</script>", 18},
        {bom + "<!DOCTYPE html><html>", 18},
        {bom + "<html><script>x()</script>", 3},
        // Anything before the doctype keeps the policy at the very start.
        {"<!-- note --><!DOCTYPE html><script>x()</script>", 0},
        {"<script>x()</script><!DOCTYPE html>", 0},
        {"<!DOCTYPE html", 0}};
    for (const auto &[html, kept] : cases) {
        const QByteArray page = CardPageFolder::withContentSecurityPolicy(html, "torva-card:");
        EXPECT_TRUE(page.startsWith(html.left(kept))) << html.constData();
        EXPECT_TRUE(page.endsWith(html.mid(kept))) << html.constData();
        EXPECT_FALSE(policyOf(page.mid(kept)).isEmpty()) << html.constData();
        EXPECT_EQ(page.count("Content-Security-Policy"), 1);
    }
}

TEST(CardPageFolder, PolicyAllowsOnlyTheCardSchemeAndNoConnections)
{
    const QByteArray page = CardPageFolder::withContentSecurityPolicy("<p>", "torva-card:");
    EXPECT_EQ(page, CardPageFolder::withContentSecurityPolicy("<p>", "torva-card"));
    const QMap<QString, QString> policy = policyOf(page);
    EXPECT_EQ(policy.size(), 10);
    for (const char *none : {"connect-src", "form-action", "base-uri", "object-src"})
        EXPECT_EQ(policy.value(none), "'none'") << none;
    for (const char *own : {"default-src", "frame-src"})
        EXPECT_EQ(policy.value(own), "torva-card:") << own;
    for (const char *embedded : {"script-src", "style-src", "img-src", "font-src"})
        EXPECT_TRUE(policy.value(embedded).startsWith("torva-card: data: blob:")) << embedded;
    EXPECT_TRUE(policy.value("script-src").endsWith(" 'unsafe-inline' 'unsafe-eval'"));
    EXPECT_TRUE(policy.value("style-src").endsWith(" 'unsafe-inline'"));
}
