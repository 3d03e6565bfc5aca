// ogl.h -- the OpenGL header for draw/ and the shell's context set-up; nothing else includes GL.
#pragma once
#include <GL/gl.h>

#ifndef GL_TEXTURE0_ARB
#define GL_TEXTURE0_ARB 0x84C0
#endif
#ifndef GL_MAX_TEXTURE_UNITS_ARB
#define GL_MAX_TEXTURE_UNITS_ARB 0x84E2
#endif
#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif
#ifndef GL_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_TEXTURE_MAX_ANISOTROPY_EXT 0x84FE
#endif
#ifndef GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT 0x84FF
#endif
#ifndef GL_GENERATE_MIPMAP
#define GL_GENERATE_MIPMAP 0x8191
#endif

// The multitexture entry points, looked up by name once the context exists (null when absent).
typedef void (*OGL_MultiTexCoord2fARB_fn)(GLenum target, GLfloat s, GLfloat t);
typedef void (*OGL_MultiTexCoord2fvARB_fn)(GLenum target, const GLfloat* v);
typedef void (*OGL_ActiveTextureARB_fn)(GLenum texture);
extern OGL_MultiTexCoord2fARB_fn  glMultiTexCoord2fARB_ptr;
extern OGL_MultiTexCoord2fvARB_fn glMultiTexCoord2fvARB_ptr;
extern OGL_ActiveTextureARB_fn    glActiveTextureARB_ptr;

void OGL_lookup_multitexture(void* (*lookup)(const char* name));
