// Stand-ins for what Emscripten 3.1.6's OpenGL emulation lacks or gets wrong.
// Linked into the browser build only: a definition here takes the place of the
// library's own (a symbol defined in the program is never imported from its
// JavaScript library).
#include <GL/glew.h>
#include <GL/glu.h>
#include <SDL_mixer.h>
#include <emscripten.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

GLsizei KahdenPotenssi(GLsizei n) {
    GLsizei p = 1;
    while (p < n && p < (1 << 14)) p <<= 1;
    // The nearer power of two: 600 becomes 512, 800 becomes 1024.
    if (p > n && p - n > n - p / 2) p >>= 1;
    return p;
}

} // namespace

// Emscripten 3.1.6 has no gluBuild2DMipmaps at all (the link fails). WebGL 1
// builds mipmaps itself, but only for power-of-two sizes and with the internal
// format equal to the format, so an image of another size is first scaled to the
// nearest power of two (nearest pixel, as a texture of the data set never needs
// it), and the component count the game passes (3 or 4) becomes the format.
extern "C" GLint gluBuild2DMipmaps(GLenum kohde, GLint, GLsizei leveys, GLsizei korkeus,
                                   GLenum muoto, GLenum tyyppi, const void* data) {
    if (leveys <= 0 || korkeus <= 0 || !data || tyyppi != GL_UNSIGNED_BYTE)
        return GLU_INVALID_VALUE;
    int tavuja = muoto == GL_RGBA ? 4 : muoto == GL_RGB ? 3 : muoto == GL_LUMINANCE_ALPHA ? 2 : 1;
    GLint maksimi = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maksimi);
    GLsizei w = KahdenPotenssi(leveys), h = KahdenPotenssi(korkeus);
    while (maksimi > 0 && (w > maksimi || h > maksimi)) {
        if (w > 1) w >>= 1;
        if (h > 1) h >>= 1;
    }
    const unsigned char* lahde = (const unsigned char*)data;
    unsigned char* skaalattu = nullptr;
    if (w != leveys || h != korkeus) {
        GLint kohdistus = 4;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &kohdistus);
        size_t rivi = (size_t)leveys * tavuja;
        rivi = (rivi + kohdistus - 1) / kohdistus * kohdistus;
        skaalattu = (unsigned char*)malloc((size_t)w * h * tavuja);
        if (!skaalattu) return GLU_OUT_OF_MEMORY;
        for (GLsizei y = 0; y < h; y++) {
            const unsigned char* r = lahde + (size_t)((long long)y * korkeus / h) * rivi;
            for (GLsizei x = 0; x < w; x++)
                memcpy(skaalattu + ((size_t)y * w + x) * tavuja,
                       r + (size_t)((long long)x * leveys / w) * tavuja, (size_t)tavuja);
        }
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    glTexImage2D(kohde, 0, (GLint)muoto, w, h, 0, muoto, GL_UNSIGNED_BYTE,
                 skaalattu ? skaalattu : lahde);
    glGenerateMipmap(kohde);
    free(skaalattu);
    return 0;
}

// Emscripten 3.1.6's gluLookAt hands its matrix library the arguments in the wrong
// order and replaces the current matrix instead of multiplying it, so the scene is
// never seen. This is the GLU definition: the view's rotation and the eye's
// translation, multiplied onto the current matrix (the renderer scales first).
extern "C" void gluLookAt(GLdouble ex, GLdouble ey, GLdouble ez, GLdouble kx, GLdouble ky,
                          GLdouble kz, GLdouble yx, GLdouble yy, GLdouble yz) {
    double f[3] = {kx - ex, ky - ey, kz - ez};
    double pituus = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
    if (pituus > 0)
        for (double& v : f) v /= pituus;
    double s[3] = {f[1] * yz - f[2] * yy, f[2] * yx - f[0] * yz, f[0] * yy - f[1] * yx};
    pituus = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
    if (pituus > 0)
        for (double& v : s) v /= pituus;
    double u[3] = {s[1] * f[2] - s[2] * f[1], s[2] * f[0] - s[0] * f[2], s[0] * f[1] - s[1] * f[0]};
    GLdouble m[16] = {s[0], u[0], -f[0], 0, s[1], u[1], -f[1], 0, s[2], u[2], -f[2], 0, 0, 0, 0, 1};
    m[12] = -(s[0] * ex + s[1] * ey + s[2] * ez);
    m[13] = -(u[0] * ex + u[1] * ey + u[2] * ez);
    m[14] = f[0] * ex + f[1] * ey + f[2] * ez;
    glMultMatrixd(m);
}

// Emscripten 3.1.6 links the core names of the buffer-object calls but not the
// ARB names the game calls them by (the link fails); WebGL has only the core ones.
extern "C" {
void glGenBuffersARB(GLsizei n, GLuint* puskurit) {
    glGenBuffers(n, puskurit);
}
void glBindBufferARB(GLenum kohde, GLuint puskuri) {
    glBindBuffer(kohde, puskuri);
}
void glBufferDataARB(GLenum kohde, GLsizeiptrARB koko, const void* data, GLenum kaytto) {
    glBufferData(kohde, koko, data, kaytto);
}
void glDeleteBuffersARB(GLsizei n, const GLuint* puskurit) {
    glDeleteBuffers(n, puskurit);
}
}

// Emscripten 3.1.6's Mix_QuerySpec only throws ("TODO"), and the game asks it
// whether the mixer is open before letting its sounds go. Its Mix_OpenAudio
// records the frequency, format and channels it was given; Mix_CloseAudio
// forgets them here, so that the mixer reads as closed again, as in SDL_mixer.
EM_JS(int, tavio_mikseri, (int* taajuus, Uint16* muoto, int* kanavia), {
    if (!SDL.mixerFrequency) return 0;
    if (taajuus) HEAP32[taajuus >> 2] = SDL.mixerFrequency;
    if (muoto) HEAPU16[muoto >> 1] = SDL.mixerFormat;
    if (kanavia) HEAP32[kanavia >> 2] = SDL.mixerNumChannels;
    return 1;
});
EM_JS(void, tavio_mikseri_kiinni, (), { SDL.mixerFrequency = 0; });

extern "C" {
int Mix_QuerySpec(int* taajuus, Uint16* muoto, int* kanavia) {
    return tavio_mikseri(taajuus, muoto, kanavia);
}
void Mix_CloseAudio() {
    tavio_mikseri_kiinni();
    SDL_CloseAudio();
}
}
