// Immediate mode's vertices, and a way in for shapes that bring their own normals.
#pragma once

// For the GLUT shapes: like glBegin, glNormal3f + glVertex3f, glEnd, except that the normals
// do not become GL's current normal, as a shape's vertex arrays do not in Mesa.
void beginShapePart(unsigned mode);
void shapeVertex(const float position[3], const float normal[3]);
void endShapePart();
