// The GLUT names the programs use, for the platforms that have no freeglut package: the
// browser and Windows. The shapes are the project's own (src/glut/shapes.cpp) on both. In the
// browser, windows, callbacks and timers are emscripten's own GLUT, what it lacks is in
// src/glut/glut_web.cpp and the buffer swap is the GL layer's; on Windows all of it is
// src/glut_win32/. Values are freeglut's.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>

#ifdef __cplusplus
extern "C" {
#endif

#define GLUT_RGB 0x0000
#define GLUT_DOUBLE 0x0002
#define GLUT_DEPTH 0x0010

#define GLUT_WINDOW_X 0x0064
#define GLUT_WINDOW_Y 0x0065
#define GLUT_WINDOW_WIDTH 0x0066
#define GLUT_WINDOW_HEIGHT 0x0067
#define GLUT_SCREEN_WIDTH 0x00C8
#define GLUT_SCREEN_HEIGHT 0x00C9
#define GLUT_GAME_MODE_ACTIVE 0x0000
#define GLUT_GAME_MODE_POSSIBLE 0x0001
#define GLUT_CURSOR_NONE 0x0065
#define GLUT_ELAPSED_TIME 0x02BC

#define GLUT_HIDDEN 0x0000
#define GLUT_FULLY_RETAINED 0x0001
#define GLUT_FULLY_COVERED 0x0003

#define GLUT_KEY_LEFT 0x0064
#define GLUT_KEY_UP 0x0065
#define GLUT_KEY_RIGHT 0x0066
#define GLUT_KEY_DOWN 0x0067
#define GLUT_KEY_PAGE_UP 0x0068
#define GLUT_KEY_PAGE_DOWN 0x0069
#define GLUT_KEY_HOME 0x006A
#define GLUT_KEY_END 0x006B

void glutInit(int* argc, char** argv);
void glutInitDisplayMode(unsigned int mode);
void glutInitWindowSize(int width, int height);
void glutInitWindowPosition(int x, int y);
int glutCreateWindow(const char* title);
int glutCreateSubWindow(int window, int x, int y, int width, int height);
void glutSetWindow(int window);
void glutPositionWindow(int x, int y);
void glutReshapeWindow(int width, int height);
void glutFullScreen(void);
void glutSetCursor(int cursor);
int glutGet(GLenum query);
int glutGetWindow(void);

void glutGameModeString(const char* mode);
int glutEnterGameMode(void);
int glutGameModeGet(GLenum query);

void glutDisplayFunc(void (*callback)(void));
void glutReshapeFunc(void (*callback)(int width, int height));
void glutKeyboardFunc(void (*callback)(unsigned char key, int x, int y));
void glutSpecialFunc(void (*callback)(int key, int x, int y));
void glutIdleFunc(void (*callback)(void));
void glutWindowStatusFunc(void (*callback)(int state));
void glutTimerFunc(unsigned int ms, void (*callback)(int value), int value);
void glutPostRedisplay(void);
void glutPostWindowRedisplay(int window);
void glutSwapBuffers(void);
void glutMainLoop(void);

void glutWireCube(double size);
void glutSolidCube(double size);
void glutWireOctahedron(void);
void glutSolidOctahedron(void);
void glutWireSphere(double radius, GLint slices, GLint stacks);
void glutWireTorus(double innerRadius, double outerRadius, GLint sides, GLint rings);
void glutSolidTorus(double innerRadius, double outerRadius, GLint sides, GLint rings);

#ifdef __cplusplus
}
#endif
