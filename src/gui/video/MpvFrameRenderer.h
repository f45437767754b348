#pragma once

#include <QObject>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSize>

#include <atomic>
#include <memory>

class QOpenGLFramebufferObject;
struct mpv_handle;
struct mpv_render_context;

// Draws one mpv core's picture into a texture of its own OpenGL context. The
// context shares its objects with every widget's, so whichever view shows the
// player draws the texture: the player can move between views, and a view can
// move between windows, without touching mpv's video output.
class MpvFrameRenderer : public QObject
{
    Q_OBJECT

public:
    explicit MpvFrameRenderer(mpv_handle *mpv, QObject *parent = nullptr);
    ~MpvFrameRenderer() override;

    bool isValid() const { return m_renderContext != nullptr; }
    // The size in device pixels of the view that shows the picture.
    void setTargetSize(const QSize &size);
    // The last picture, upright for a bottom-left origin; 0 before the first.
    unsigned texture() const;
    // Draws the picture again soon, from the event loop.
    void scheduleRender();
    // Draws at once a picture mpv is waiting to have drawn, if any.
    void renderPending();

Q_SIGNALS:
    void frameRendered();

private:
    void render();
    // Draws the picture mpv has ready; false without a context.
    bool drawFrame();

    QOffscreenSurface m_surface;
    QOpenGLContext m_context;
    mpv_render_context *m_renderContext = nullptr;
    std::unique_ptr<QOpenGLFramebufferObject> m_framebuffer;
    QSize m_targetSize{1, 1};
    std::atomic_bool m_renderQueued{false};
};
