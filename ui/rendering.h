#pragma once

namespace rigscope {

// Draws the browser pane, like everything else, without OpenGL. The lookup
// page needs no GPU: rendering it in software spares every start the OpenGL
// set-up (most of a quarter second where there is no GPU, as under Xvfb) and
// keeps the pane working where OpenGL does not. Call before the application
// object is made; QT_XCB_GL_INTEGRATION and QT_QUICK_BACKEND, when set, still win.
void prepareSoftwareRendering();

}  // namespace rigscope
