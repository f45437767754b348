#include "TempFolder.h"

#include "core/websettings/CardPageFolder.h"
#include "core/websettings/WebSettingFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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
        write("index.html", "<!DOCTYPE html><script src=\"js/app.js\"></script>");
        write("js/app.js", "start();");
        write("img/a b.png", "png");
        link("/etc/passwd", "passwd");
        link(m_card.path("secret"), "outside");
        link("..", "up");
        link("js", "scripts");
        link(".", "self");
        ASSERT_EQ(mkfifo(QFile::encodeName(m_html + "/pipe").constData(), 0600), 0);
    }

    void write(const QString &name, const QByteArray &bytes)
    {
        m_card.write("my card/SETTING/html/" + name, bytes);
    }
    void link(const QString &target, const QString &name)
    {
        ASSERT_TRUE(QFile::link(target, m_html + '/' + name)) << name.toStdString();
    }
    QString canonical(const QString &name) const
    {
        return QFileInfo(m_html + '/' + name).canonicalFilePath();
    }

    TempFolder m_card;
    QString m_html;
};

// The directives of the page's policy, by name.
QMap<QString, QString> policyOf(const QByteArray &html)
{
    static const QRegularExpression meta(
        R"re(^<meta http-equiv="Content-Security-Policy" content="([^"]*)">)re");
    const QRegularExpressionMatch match = meta.match(QString::fromUtf8(html));
    QMap<QString, QString> directives;
    for (const QString &directive : match.captured(1).split(';', Qt::SkipEmptyParts)) {
        const QString trimmed = directive.trimmed();
        const qsizetype space = trimmed.indexOf(' ');
        directives.insert(trimmed.left(space), trimmed.mid(space + 1));
    }
    return directives;
}

} // namespace

TEST_F(CardPageFolderTest, ServesFilesInsideTheFolder)
{
    const CardPageFolder folder(m_html);
    const std::pair<QString, QString> cases[] = {
        {"", "index.html"},
        {"/", "index.html"},
        {"/index.html", "index.html"},
        {"index.html", "index.html"},
        {"//index.html", "index.html"},
        {"/js/app.js", "js/app.js"},
        {"/./js/app.js", "js/app.js"},
        {"/img/a b.png", "img/a b.png"},
        // Links that stay inside the folder are followed.
        {"/scripts/app.js", "js/app.js"},
        {"/self/index.html", "index.html"},
    };
    for (const auto &[urlPath, file] : cases) {
        const std::optional<QString> path = folder.resolve(urlPath);
        ASSERT_TRUE(path) << urlPath.toStdString();
        EXPECT_EQ(*path, canonical(file));
        EXPECT_TRUE(QFileInfo(*path).isAbsolute());
    }
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

TEST_F(CardPageFolderTest, FolderReachedThroughALinkStillServes)
{
    ASSERT_TRUE(QFile::link(m_html, m_card.path("page")));
    const CardPageFolder folder(m_card.path("page"));
    EXPECT_EQ(folder.resolve("/js/app.js"), canonical("js/app.js"));
    EXPECT_FALSE(folder.resolve("/passwd"));
}

TEST_F(CardPageFolderTest, ReadsWithThePolicyOnHtmlOnly)
{
    const CardPageFolder folder(m_html, "torva-card");
    EXPECT_EQ(folder.read("/js/app.js"), "start();");
    const std::optional<QByteArray> page = folder.read("/");
    ASSERT_TRUE(page);
    EXPECT_EQ(*page, CardPageFolder::withContentSecurityPolicy(
                         "<!DOCTYPE html><script src=\"js/app.js\"></script>", "torva-card:"));

    QFile huge(m_html + "/huge.js");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(16 * 1024 * 1024 + 1));
    EXPECT_FALSE(folder.read("/huge.js"));
}

TEST(CardPageFolder, MimeTypesByName)
{
    const std::pair<const char *, std::vector<QByteArray>> cases[] = {
        {"INDEX.HTM", {"text/html"}},
        {"js/app.js", {"text/javascript", "application/javascript"}},
        {"a b.png", {"image/png"}},
        {"icon.svg", {"image/svg+xml"}},
        {"font.woff2", {"font/woff2"}},
        {"page", {"application/octet-stream"}},
    };
    for (const auto &[name, types] : cases) {
        const QByteArray type = CardPageFolder::mimeType(QString::fromUtf8(name));
        EXPECT_NE(std::find(types.begin(), types.end(), type), types.end())
            << name << " " << type.constData();
    }
}

TEST(CardPageFolder, PolicyComesBeforeAnyMarkupOfThePage)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    // The page, and how much of it stays in front of the policy.
    const std::pair<QByteArray, qsizetype> cases[] = {
        {"", 0},
        {"<p>plain text", 0},
        {"<script>fetch('x')</script>", 0},
        {"<html><head><title>t</title><script>x()</script></head></html>", 0},
        {"<head><script>x()</script></head><body></body>", 0},
        {"<!DOCTYPE html>\n<html><head><script>x()</script>", 15},
        {"  \n<!doctype HTML><script>x()</script>", 18},
        {"<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><html>", 50},
        {bom + "<!DOCTYPE html><html>", 18},
        {bom + "<html><script>x()</script>", 3},
        {bom, 3},
        // Anything before the doctype keeps the policy at the very start.
        {"<!-- note --><!DOCTYPE html><script>x()</script>", 0},
        {"<script>x()</script><!DOCTYPE html>", 0},
        {"<!DOCTYPE html", 0},
    };
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
    EXPECT_EQ(policy.value("default-src"), "torva-card:");
    EXPECT_EQ(policy.value("connect-src"), "'none'");
    EXPECT_EQ(policy.value("frame-src"), "torva-card:");
    EXPECT_EQ(policy.value("form-action"), "'none'");
    EXPECT_EQ(policy.value("base-uri"), "'none'");
    EXPECT_EQ(policy.value("object-src"), "'none'");
    for (const char *directive : {"script-src", "style-src", "img-src", "font-src"}) {
        const QStringList sources = policy.value(directive).split(' ');
        EXPECT_TRUE(sources.contains("torva-card:") && sources.contains("data:") &&
                    sources.contains("blob:"))
            << directive;
        EXPECT_FALSE(sources.contains("*") || sources.contains("http:") ||
                     sources.contains("https:") || sources.contains("'self'"))
            << directive;
    }
    EXPECT_TRUE(policy.value("script-src").contains("'unsafe-inline' 'unsafe-eval'"));
    EXPECT_TRUE(policy.value("style-src").contains("'unsafe-inline'"));
}
