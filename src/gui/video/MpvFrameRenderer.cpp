#include "gui/video/MpvFrameRenderer.h"

#include <QCoreApplication>
#include <QDebug>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

#include <mpv/render_gl.h>

namespace {

// The renderer's context must share with the widgets' contexts, which Qt
// arranges only when this is set before the application object exists.
void shareOpenGLContexts()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
Q_CONSTRUCTOR_FUNCTION(shareOpenGLContexts)

void *openGLProcAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

} // namespace

MpvFrameRenderer::MpvFrameRenderer(mpv_handle *mpv, QObject *parent) : QObject(parent)
{
    QOpenGLContext *shared = QOpenGLContext::globalShareContext();
    if (!shared) {
        qWarning(
            "video view: no shared OpenGL context (Qt::AA_ShareOpenGLContexts unset); no picture");
        return;
    }
    m_context.setShareContext(shared);
    m_context.setFormat(shared->format());
    m_surface.setFormat(shared->format());
    m_surface.create();
    if (!m_context.create() || !m_context.makeCurrent(&m_surface)) {
        qWarning("video view: cannot create an OpenGL context; no picture");
        return;
    }
    mpv_opengl_init_params openGL{openGLProcAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &openGL},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    const int error = mpv_render_context_create(&m_renderContext, mpv, params);
    m_context.doneCurrent();
    if (error < 0) {
        m_renderContext = nullptr;
        qWarning("video view: mpv render context: %s", mpv_error_string(error));
        return;
    }
    // Called on mpv's threads: only queue the drawing.
    mpv_render_context_set_update_callback(
        m_renderContext,
        [](void *renderer) { static_cast<MpvFrameRenderer *>(renderer)->scheduleRender(); }, this);
}

MpvFrameRenderer::~MpvFrameRenderer()
{
    if (!m_renderContext)
        return;
    // A frame mpv waits to have drawn holds its video output, and with it
    // the freeing below, for up to 200 ms.
    if (m_renderQueued)
        drawFrame();
    m_context.makeCurrent(&m_surface);
    mpv_render_context_free(m_renderContext);
    m_framebuffer.reset();
    m_context.doneCurrent();
}

void MpvFrameRenderer::setTargetSize(const QSize &size)
{
    const QSize target = size.expandedTo(QSize(1, 1));
    if (target == m_targetSize)
        return;
    m_targetSize = target;
    scheduleRender();
}

unsigned MpvFrameRenderer::texture() const
{
    return m_framebuffer ? m_framebuffer->texture() : 0;
}

void MpvFrameRenderer::scheduleRender()
{
    if (!m_renderQueued.exchange(true))
        QMetaObject::invokeMethod(this, &MpvFrameRenderer::render, Qt::QueuedConnection);
}

void MpvFrameRenderer::renderPending()
{
    if (m_renderQueued)
        render();
}

void MpvFrameRenderer::render()
{
    if (drawFrame())
        Q_EMIT frameRendered();
}

bool MpvFrameRenderer::drawFrame()
{
    m_renderQueued = false;
    if (!m_renderContext || !m_context.makeCurrent(&m_surface))
        return false;
    if (!m_framebuffer || m_framebuffer->size() != m_targetSize)
        m_framebuffer = std::make_unique<QOpenGLFramebufferObject>(m_targetSize);
    mpv_opengl_fbo target{int(m_framebuffer->handle()), m_targetSize.width(), m_targetSize.height(),
                          0};
    // mpv draws top-down unless told that the target has a bottom-left origin.
    int flipY = 1;
    // Drawing runs on the GUI thread, which must not wait for the frame's
    // display time.
    int blockForTargetTime = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &target},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &blockForTargetTime},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(m_renderContext, params);
    // The views' contexts read the texture next; as Qt does for its own
    // widget textures, a flush hands the drawing over.
    m_context.functions()->glFlush();
    m_context.doneCurrent();
    return true;
}
