// The docstrings of Ri's methods (see RequestDocs.h).
//
// Each text is a paragraph on what the method does, a blank line, then one
// line a parameter in the order the method takes them: "name: meaning",
// continued on lines indented by four spaces, or "@key" for a description
// that several methods share (kSharedParameters).
#include "python/RequestDocs.h"

#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillet {
namespace python {

namespace {

const char kNoDoc[] = "no docstring for the method ";
const char kNoParameter[] = "the docstring names too few parameters for ";
const char kNoSharedParameter[] = "no shared parameter description ";

struct Entry {
    const char *key;
    const char *text;
};

const Entry kSharedParameters[] = {
    {"params", "params: None or a dict from token to value, the request's parameter list, written in the\n"
               "    dict's order. A token is predeclared, declared with Declare, or declared inline\n"
               "    (\"uniform float width\"); its value is a number, a str, a sequence or a numpy array\n"
               "    holding as many values as the declaration and the request's counts ask for."},
    {"handleid", "handleid: None, or a name for the handle, written as the \"__handleid\" parameter so that\n"
                 "    the stream names it."},
    {"shader", "name: the shader's name."},
    {"zmin", "zmin: where the surface starts along the z axis."},
    {"zmax", "zmax: where the surface ends along the z axis."},
    {"thetamax", "thetamax: the angle in degrees the surface is swept around the z axis (360 closes it)."},
    {"picturename", "picturename: the image file the map is made from."},
    {"texturename", "texturename: the file the map is written to."},
    {"filterfunc", "filterfunc: the filter that resamples the picture: Ri.GaussianFilter, Ri.BoxFilter,\n"
                   "    Ri.TriangleFilter, Ri.CatmullRomFilter or Ri.SincFilter."},
    {"swidth", "swidth: the filter's width in s, in pixels."},
    {"twidth", "twidth: the filter's width in t, in pixels."},
    {"patchtype", "type: \"bilinear\" or \"bicubic\"; a bicubic patch follows the current basis."},
    {"meshvertices", "vertices: for each polygon's vertices in turn, the index of the vertex in the arrays of\n"
                     "    params (\"P\" and the other vertex and varying parameters)."},
    {"space", "space: the name of the coordinate system."},
    {"expression", "expression: the condition, an expression over options and attributes."},
    {"color", "color: the colour, one number per colour sample (3 unless ColorSamples says otherwise)."},
    {"bound", "bound: xmin, xmax, ymin, ymax, zmin, zmax, in object space."},
    {"transform", "transform: the 4x4 matrix, 16 numbers in row order (points are row vectors)."},
};

const Entry kMethods[] = {
    // The object and its stream.
    {"__enter__", "Returns the object itself for the with block."},
    {"__exit__", "Ends the stream this object began, if it is still open, and lets any exception of the block\n"
                 "propagate.\n\n"
                 "args: the exception type, value and traceback, or three None."},
    {"Begin", "Begins a stream that becomes this object's own: its later requests are written to it until\n"
              "End. It also becomes the calling thread's current stream, which objects without a stream of\n"
              "their own follow.\n\n"
              "target: a file name (gzip-compressed when it ends in \".gz\"), None for standard output,\n"
              "    \"|command\" to start a program and write into its standard input, or an object with a\n"
              "    write(bytes) method, which gets the stream in buffer-sized pieces."},
    {"End", "Ends this object's stream: writes its last bytes and closes its target. Later requests on the\n"
            "object raise quillet.Error until it begins or chooses another stream."},
    {"GetContext", "Returns a handle of this object's stream for Context, or None when it has none."},
    {"Context", "Makes a stream this object's own, and the calling thread's current stream.\n\n"
                "handle: a handle that GetContext returned, or None: the object then follows the thread's\n"
                "    current stream, and the thread has none."},

    // Frames, worlds and blocks.
    {"FrameBegin", "Begins a frame: the options and attributes set inside it are restored at FrameEnd.\n\n"
                   "frame: the frame's number."},
    {"FrameEnd", "Ends the frame that FrameBegin began."},
    {"WorldBegin", "Ends the options of the image and begins its scene: the current transformation becomes the\n"
                   "camera's, and \"world\" space is fixed here."},
    {"WorldEnd", "Ends the scene that WorldBegin began; the image can be made."},
    {"AttributeBegin", "Saves the current attributes and transformation; AttributeEnd restores them."},
    {"AttributeEnd", "Restores the attributes and transformation that AttributeBegin saved."},
    {"TransformBegin", "Saves the current transformation; TransformEnd restores it."},
    {"TransformEnd", "Restores the transformation that TransformBegin saved."},
    {"SolidBegin", "Begins a solid: the primitives and solids inside it are combined into one.\n\n"
                   "operation: \"primitive\", \"union\", \"intersection\" or \"difference\"."},
    {"SolidEnd", "Ends the solid that SolidBegin began."},
    {"ObjectBegin", "Begins the definition of an object that ObjectInstance can place again; returns its handle.\n\n"
                    "@handleid"},
    {"ObjectEnd", "Ends the object definition that ObjectBegin began."},
    {"ObjectInstance", "Places a copy of a defined object under the current attributes and transformation.\n\n"
                       "handle: the handle that ObjectBegin returned."},
    {"MotionBegin", "Begins a motion block: the requests inside it, one of the same kind per time, describe how\n"
                    "a transformation or a primitive moves while the shutter is open.\n\n"
                    "times: the times of the requests inside the block, in order."},
    {"MotionEnd", "Ends the motion block that MotionBegin began."},
    {"ArchiveBegin", "Begins an inline archive, which ReadArchive can later read by its name; returns the name.\n\n"
                     "name: the archive's name.\n"
                     "@params"},
    {"ArchiveEnd", "Ends the inline archive that ArchiveBegin began."},
    {"IfBegin", "Begins a conditional block: the requests up to the next ElseIf, Else or IfEnd apply only when\n"
                "the expression holds.\n\n"
                "@expression"},
    {"ElseIf", "Continues a conditional block with requests that apply when no earlier branch applied and this\n"
               "expression holds.\n\n"
               "@expression"},
    {"Else", "Continues a conditional block with requests that apply when no earlier branch applied."},
    {"IfEnd", "Ends the conditional block that IfBegin began."},
    {"Resource", "Saves or restores a named part of the graphics state.\n\n"
                 "handle: the resource's name.\n"
                 "type: the kind of resource, such as \"attributes\".\n"
                 "@params"},
    {"ResourceBegin", "Begins a block whose resources are forgotten at ResourceEnd."},
    {"ResourceEnd", "Ends the block that ResourceBegin began."},
    {"System", "Asks the renderer to run a command when it reads this request.\n\n"
               "command: the command line."},
    {"ErrorHandler", "Names the error handler the renderer that reads the stream should use.\n\n"
                     "handler: Ri.ErrorIgnore, Ri.ErrorPrint or Ri.ErrorAbort; None names none and writes nothing."},
    {"ArchiveRecord",
     "Writes a comment or a structure line into the stream; format and args are combined with\n"
     "Python's % operator, as printf would combine them.\n\n"
     "type: \"comment\" (a line after #), \"structure\" (after ##) or \"verbatim\" (the text as it is).\n"
     "format: the text, with % conversions for args; None writes an empty record.\n"
     "args: the values of the conversions."},
    {"VArchiveRecord", "ArchiveRecord with its values in one sequence.\n\n"
                       "type: \"comment\", \"structure\" or \"verbatim\", as for ArchiveRecord.\n"
                       "format: the text, with % conversions for args; None writes an empty record.\n"
                       "args: a tuple of the values of the conversions."},
    {"ReadArchive", "Asks the renderer to read another stream, an archive file or an inline archive, here.\n\n"
                    "name: the file's name or the inline archive's name.\n"
                    "callback: ignored: a stream writer reads no archives.\n"
                    "@params"},
    {"Declare", "Declares a parameter name with its storage class and type, for every later stream; returns\n"
                "the name.\n\n"
                "name: the parameter's name.\n"
                "declaration: its class and type, such as \"varying color\", \"uniform float[2]\" or \"string\"."},

    // Camera, display and renderer options.
    {"Format", "Sets the resolution of the image.\n\n"
               "xresolution: the width in pixels.\n"
               "yresolution: the height in pixels.\n"
               "pixelaspectratio: the width of a pixel over its height."},
    {"FrameAspectRatio", "Sets the width of the image over its height.\n\n"
                         "frameratio: that ratio."},
    {"ScreenWindow", "Sets the part of the screen plane that the image shows.\n\n"
                     "left: its smallest x.\n"
                     "right: its largest x.\n"
                     "bottom: its smallest y.\n"
                     "top: its largest y."},
    {"CropWindow", "Renders only part of the image, given in fractions of its width and height.\n\n"
                   "xmin: the left edge, from 0 to 1.\n"
                   "xmax: the right edge.\n"
                   "ymin: the top edge.\n"
                   "ymax: the bottom edge."},
    {"Projection", "Sets how camera space is projected onto the screen.\n\n"
                   "name: \"perspective\", \"orthographic\" or a renderer's own projection.\n"
                   "@params"},
    {"Clipping", "Sets the distances from the camera between which objects are seen.\n\n"
                 "near: the near clipping distance.\n"
                 "far: the far clipping distance (Ri.INFINITY for none)."},
    {"ClippingPlane", "Adds a plane that clips away everything on the side its normal points to.\n\n"
                      "x: x of a point on the plane.\n"
                      "y: y of that point.\n"
                      "z: z of that point.\n"
                      "nx: x of the plane's normal.\n"
                      "ny: y of the normal.\n"
                      "nz: z of the normal."},
    {"DepthOfField", "Sets the lens for depth of field.\n\n"
                     "fstop: the aperture's f-number (Ri.INFINITY for a pinhole).\n"
                     "focallength: the lens's focal length.\n"
                     "focaldistance: the distance that is in focus."},
    {"Shutter", "Sets when the shutter opens and closes, for motion blur.\n\n"
                "opentime: the time it opens.\n"
                "closetime: the time it closes."},
    {"PixelVariance", "Sets the estimated variance of a pixel's value that the renderer may accept.\n\n"
                      "variation: that variance."},
    {"PixelSamples", "Sets how many samples are taken in each pixel.\n\n"
                     "xsamples: samples across a pixel.\n"
                     "ysamples: samples down a pixel."},
    {"PixelFilter", "Sets the filter that combines samples into pixels.\n\n"
                    "filterfunc: Ri.GaussianFilter, Ri.BoxFilter, Ri.TriangleFilter, Ri.CatmullRomFilter or\n"
                    "    Ri.SincFilter.\n"
                    "xwidth: the filter's width in x, in pixels.\n"
                    "ywidth: its width in y."},
    {"Exposure", "Sets how pixel values are scaled and gamma-corrected.\n\n"
                 "gain: the factor applied first.\n"
                 "gamma: the gamma that corrects the scaled value."},
    {"Quantize", "Sets how pixel values are turned into integers.\n\n"
                 "type: \"rgba\" for colour and alpha or \"z\" for depth.\n"
                 "one: the integer that a value of 1 becomes (0 keeps floats).\n"
                 "min: the smallest integer written.\n"
                 "max: the largest integer written.\n"
                 "ditheramplitude: the amplitude of the noise added before rounding."},
    {"Display", "Says where and how the image goes.\n\n"
                "name: the file or window name (a leading \"+\" adds a display to the ones before).\n"
                "type: \"file\", \"framebuffer\" or a renderer's own display.\n"
                "mode: the channels, such as \"rgb\", \"rgba\" or \"z\".\n"
                "@params"},
    {"Hider", "Chooses how hidden surfaces are removed.\n\n"
              "name: \"hidden\", \"paint\" or a renderer's own hider.\n"
              "@params"},
    {"ColorSamples", "Sets the number of colour samples and their conversion to and from RGB.\n\n"
                     "nRGB: the n x 3 matrix from the n samples to RGB, 3n numbers.\n"
                     "RGBn: the 3 x n matrix from RGB to the samples, 3n numbers."},
    {"RelativeDetail", "Scales every level-of-detail estimate.\n\n"
                       "relativedetail: the factor."},
    {"Option", "Sets a renderer option; \"rib\" options set the encoding, precision and compression of the\n"
               "next stream that begins, and need no stream.\n\n"
               "name: the option's name, such as \"searchpath\" or \"rib\".\n"
               "@params"},
    {"Camera", "Names the current camera setup, so that later requests can refer to it.\n\n"
               "name: the camera's name.\n"
               "@params"},

    // Transformations and coordinate systems.
    {"Identity", "Sets the current transformation to the identity."},
    {"ConcatTransform", "Multiplies the current transformation by a matrix.\n\n"
                        "@transform"},
    {"Transform", "Replaces the current transformation by a matrix.\n\n"
                  "@transform"},
    {"Perspective", "Multiplies the current transformation by a perspective projection.\n\n"
                    "fov: the field of view in degrees."},
    {"Translate", "Moves the coordinate system.\n\n"
                  "dx: the distance along x.\n"
                  "dy: the distance along y.\n"
                  "dz: the distance along z."},
    {"Rotate", "Rotates the coordinate system around an axis through the origin.\n\n"
               "angle: the angle in degrees.\n"
               "dx: x of the axis.\n"
               "dy: y of the axis.\n"
               "dz: z of the axis."},
    {"Scale", "Scales the coordinate system.\n\n"
              "sx: the factor along x.\n"
              "sy: the factor along y.\n"
              "sz: the factor along z."},
    {"Skew", "Shears the coordinate system so that one direction turns by an angle towards another.\n\n"
             "angle: the angle in degrees.\n"
             "dx1: x of the direction that turns.\n"
             "dy1: y of that direction.\n"
             "dz1: z of that direction.\n"
             "dx2: x of the direction it turns towards.\n"
             "dy2: y of that direction.\n"
             "dz2: z of that direction."},
    {"CoordinateSystem", "Names the current coordinate system, so that later requests can refer to it.\n\n"
                         "@space"},
    {"ScopedCoordinateSystem", "Names the current coordinate system until the end of the enclosing attribute block.\n\n"
                               "@space"},
    {"CoordSysTransform", "Makes a named coordinate system the current one.\n\n"
                          "@space"},
    {"TransformPoints", "Transforms points from one coordinate system to another. A stream cannot, so this returns\n"
                        "None; a context that could returns the points as an n x 3 array.\n\n"
                        "fromspace: the system the points are in.\n"
                        "tospace: the system to transform them to.\n"
                        "points: the points, 3 numbers each."},

    // Shading, lights and attributes.
    {"Color", "Sets the colour of the surfaces that follow.\n\n"
              "@color"},
    {"Opacity", "Sets the opacity of the surfaces that follow (1 is opaque).\n\n"
                "@color"},
    {"TextureCoordinates", "Sets the texture coordinates of the corners of the parametric surfaces that follow.\n\n"
                           "s1: s at u=0, v=0.\n"
                           "t1: t at u=0, v=0.\n"
                           "s2: s at u=1, v=0.\n"
                           "t2: t at u=1, v=0.\n"
                           "s3: s at u=0, v=1.\n"
                           "t3: t at u=0, v=1.\n"
                           "s4: s at u=1, v=1.\n"
                           "t4: t at u=1, v=1."},
    {"ShadingRate", "Sets how often surfaces are shaded.\n\n"
                    "size: the area in pixels that one shading sample may cover."},
    {"ShadingInterpolation", "Sets how shading is interpolated across a surface.\n\n"
                             "type: \"constant\" or \"smooth\"."},
    {"Matte", "Makes the surfaces that follow hide others without showing themselves.\n\n"
              "onoff: 1 for matte, 0 for ordinary surfaces."},
    {"Bound", "Gives a box that holds the geometry that follows, so that the renderer can skip it.\n\n"
              "@bound"},
    {"Detail", "Gives the box that the level of detail of the geometry that follows is measured by.\n\n"
               "@bound"},
    {"DetailRange", "Sets the range of detail in which the geometry that follows is drawn, fading in and out.\n\n"
                    "offlow: the detail below which it is not drawn.\n"
                    "onlow: the detail from which it is fully drawn.\n"
                    "onhigh: the detail up to which it is fully drawn.\n"
                    "offhigh: the detail above which it is not drawn."},
    {"GeometricApproximation", "Sets how closely curved surfaces are approximated.\n\n"
                               "type: the criterion, such as \"flatness\".\n"
                               "value: its value, such as the largest error in pixels."},
    {"GeometricRepresentation", "Sets how the surfaces that follow are drawn.\n\n"
                                "type: \"primitive\", \"points\", \"lines\" or a renderer's own representation."},
    {"Sides", "Sets whether the surfaces that follow can be seen from both sides.\n\n"
              "nsides: 1 or 2."},
    {"Orientation", "Sets which side of the surfaces that follow is the outside.\n\n"
                    "orientation: \"outside\", \"inside\", \"lh\" or \"rh\"."},
    {"ReverseOrientation", "Turns the outside of the surfaces that follow inside out."},
    {"Attribute", "Sets a renderer attribute of the surfaces that follow.\n\n"
                  "name: the attribute's name, such as \"displacementbound\" or \"identifier\".\n"
                  "@params"},
    {"Surface", "Sets the surface shader of the surfaces that follow.\n\n"
                "@shader\n"
                "@params"},
    {"Displacement", "Sets the displacement shader, which moves the points of the surfaces that follow.\n\n"
                     "@shader\n"
                     "@params"},
    {"Atmosphere", "Sets the shader of the space between the camera and the surfaces that follow.\n\n"
                   "@shader\n"
                   "@params"},
    {"Interior", "Sets the shader of the inside of the solids that follow.\n\n"
                 "@shader\n"
                 "@params"},
    {"Exterior", "Sets the shader of the space outside the surfaces that follow.\n\n"
                 "@shader\n"
                 "@params"},
    {"Imager", "Sets the shader applied to the finished pixels.\n\n"
               "@shader\n"
               "@params"},
    {"LightSource", "Adds a light to the scene and turns it on; returns its handle for Illuminate.\n\n"
                    "@shader\n"
                    "@params\n"
                    "@handleid"},
    {"AreaLightSource", "Makes the surfaces that follow, up to the end of the attribute block, one light; returns its\n"
                        "handle for Illuminate.\n\n"
                        "@shader\n"
                        "@params\n"
                        "@handleid"},
    {"Illuminate", "Turns a light on or off for the surfaces that follow.\n\n"
                   "light: the handle that LightSource or AreaLightSource returned.\n"
                   "onoff: 1 for on, 0 for off."},

    // Quadrics.
    {"Sphere", "A sphere around the origin, cut by zmin and zmax.\n\n"
               "radius: the sphere's radius.\n"
               "@zmin\n"
               "@zmax\n"
               "@thetamax\n"
               "@params"},
    {"Cone", "A cone around the z axis with its base at the origin.\n\n"
             "height: where its tip is along z.\n"
             "radius: the radius of its base.\n"
             "@thetamax\n"
             "@params"},
    {"Cylinder", "A cylinder around the z axis.\n\n"
                 "radius: its radius.\n"
                 "@zmin\n"
                 "@zmax\n"
                 "@thetamax\n"
                 "@params"},
    {"Disk", "A disk around the z axis, parallel to the xy plane.\n\n"
             "height: where it lies along z.\n"
             "radius: its radius.\n"
             "@thetamax\n"
             "@params"},
    {"Hyperboloid", "The surface that a line segment sweeps around the z axis.\n\n"
                    "point1: one end of the segment, 3 numbers.\n"
                    "point2: the other end, 3 numbers.\n"
                    "@thetamax\n"
                    "@params"},
    {"Paraboloid", "A paraboloid around the z axis, cut by zmin and zmax.\n\n"
                   "rmax: its radius at zmax.\n"
                   "@zmin\n"
                   "@zmax\n"
                   "@thetamax\n"
                   "@params"},
    {"Torus", "A torus around the z axis: a circle in the xz plane swept around z.\n\n"
              "majorradius: the distance from the z axis to the circle's centre.\n"
              "minorradius: the circle's radius.\n"
              "phimin: the angle in degrees where the circle starts.\n"
              "phimax: the angle in degrees where it ends.\n"
              "@thetamax\n"
              "@params"},

    // Polygons and patches.
    {"Polygon", "One convex polygon.\n\n"
                "nvertices: how many vertices it has; params gives them (\"P\": 3 numbers each).\n"
                "@params"},
    {"GeneralPolygon", "One polygon with holes: an outer loop and loops inside it, which may be concave.\n\n"
                       "nvertices: how many vertices each loop has, the outer loop first.\n"
                       "@params"},
    {"PointsPolygons", "A mesh of convex polygons that share vertices.\n\n"
                       "nvertices: how many vertices each polygon has.\n"
                       "@meshvertices\n"
                       "@params"},
    {"PointsGeneralPolygons", "A mesh of polygons with holes that share vertices.\n\n"
                              "nloops: how many loops each polygon has, the outer loop first.\n"
                              "nvertices: how many vertices each loop has.\n"
                              "@meshvertices\n"
                              "@params"},
    {"Basis", "Sets the bases of the bicubic patches and cubic curves that follow.\n\n"
              "ubasis: the basis in u: Ri.BezierBasis, Ri.BSplineBasis, Ri.CatmullRomBasis,\n"
              "    Ri.HermiteBasis, Ri.PowerBasis or 16 numbers.\n"
              "ustep: how many control points a patch mesh moves on in u from one patch to the next.\n"
              "vbasis: the basis in v, as ubasis.\n"
              "vstep: the step in v, as ustep."},
    {"Patch", "One patch: 4 control points when bilinear, 16 when bicubic.\n\n"
              "@patchtype\n"
              "@params"},
    {"PatchMesh", "A grid of patches that share control points.\n\n"
                  "@patchtype\n"
                  "nu: the number of control points in u.\n"
                  "uwrap: \"periodic\" when the mesh wraps around in u, else \"nonperiodic\".\n"
                  "nv: the number of control points in v.\n"
                  "vwrap: \"periodic\" or \"nonperiodic\", as uwrap.\n"
                  "@params"},
    {"TrimCurve", "Trims the NURBS patches that follow with loops of curves in their parameter space.\n\n"
                  "ncurves: how many curves each loop has.\n"
                  "order: the order of each curve.\n"
                  "knot: the knots of every curve in turn, order plus n of them for each.\n"
                  "min: where each curve's parameter starts.\n"
                  "max: where each curve's parameter ends.\n"
                  "n: how many control points each curve has.\n"
                  "u: u of every control point.\n"
                  "v: v of every control point.\n"
                  "w: the homogeneous weight of every control point."},
    {"NuPatch", "A NURBS patch.\n\n"
                "nu: the number of control points in u.\n"
                "uorder: the order in u (the degree plus 1).\n"
                "uknot: the knots in u, nu plus uorder of them.\n"
                "umin: where the parameter u starts.\n"
                "umax: where it ends.\n"
                "nv: the number of control points in v.\n"
                "vorder: the order in v.\n"
                "vknot: the knots in v, nv plus vorder of them.\n"
                "vmin: where the parameter v starts.\n"
                "vmax: where it ends.\n"
                "@params"},

    // Curves, points, subdivision meshes, blobbies, procedurals and volumes.
    {"Curves", "Curves drawn as ribbons, such as hair.\n\n"
               "type: \"linear\" or \"cubic\"; cubic curves follow the v basis.\n"
               "nvertices: how many control points each curve has.\n"
               "wrap: \"periodic\" for closed curves, else \"nonperiodic\".\n"
               "@params"},
    {"Points", "Points drawn as small discs, such as particles.\n\n"
               "npoints: how many points there are.\n"
               "@params"},
    {"SubdivisionMesh", "A mesh that is subdivided into a smooth surface.\n\n"
                        "scheme: the subdivision scheme, such as \"catmull-clark\".\n"
                        "nvertices: how many vertices each face has.\n"
                        "@meshvertices\n"
                        "tags: the names of the tags: \"hole\", \"crease\", \"corner\", \"interpolateboundary\" ...\n"
                        "nargs: for each tag, how many integers and how many floats it takes.\n"
                        "intargs: the integers of every tag in turn.\n"
                        "floatargs: the floats of every tag in turn.\n"
                        "@params"},
    {"Blobby", "An implicit surface that blends ellipsoids, segments and other leaves.\n\n"
               "nleaf: the number of leaves.\n"
               "code: the operators and leaves, as integers with their operands.\n"
               "flt: the floats that code refers to.\n"
               "str: the strings that code refers to.\n"
               "@params"},
    {"Procedural", "Geometry that the renderer makes when it reaches the bound.\n\n"
                   "data: the procedural's strings: a file name for Ri.ProcDelayedReadArchive; a program or\n"
                   "    library and its argument for Ri.ProcRunProgram and Ri.ProcDynamicLoad.\n"
                   "bound: xmin, xmax, ymin, ymax, zmin, zmax of what it makes.\n"
                   "subdivfunc: Ri.ProcDelayedReadArchive, Ri.ProcRunProgram or Ri.ProcDynamicLoad.\n"
                   "freefunc: ignored: the stream has nothing to free."},
    {"Procedural2", "Geometry that a procedural makes, given by its parameters.\n\n"
                    "subdivfunc: Ri.Proc2DelayedReadArchive, Ri.Proc2ReadArchive or Ri.Proc2DynamicLoad.\n"
                    "boundfunc: Ri.SimpleBound (the \"bound\" parameter) or Ri.DelayedBound.\n"
                    "@params"},
    {"Geometry", "A renderer's own kind of geometry, such as \"teapot\".\n\n"
                 "name: the kind's name.\n"
                 "@params"},
    {"Volume", "A volume filling a box, sampled on a grid.\n\n"
               "type: the volume's shape, such as \"box\" or \"ellipsoid\".\n"
               "bound: xmin, xmax, ymin, ymax, zmin, zmax of the box.\n"
               "dimensions: the grid's size in x, y and z, 3 integers.\n"
               "@params"},

    // Texture, environment and shadow maps.
    {"MakeTexture", "Makes a texture map from an image.\n\n"
                    "@picturename\n"
                    "@texturename\n"
                    "swrap: what lies outside the map in s: \"black\", \"clamp\" or \"periodic\".\n"
                    "twrap: the same in t.\n"
                    "@filterfunc\n"
                    "@swidth\n"
                    "@twidth\n"
                    "@params"},
    {"MakeLatLongEnvironment", "Makes an environment map from an image in latitude and longitude.\n\n"
                               "@picturename\n"
                               "@texturename\n"
                               "@filterfunc\n"
                               "@swidth\n"
                               "@twidth\n"
                               "@params"},
    {"MakeCubeFaceEnvironment", "Makes an environment map from six images, the faces of a cube.\n\n"
                                "px: the image seen looking along +x.\n"
                                "nx: the image along -x.\n"
                                "py: the image along +y.\n"
                                "ny: the image along -y.\n"
                                "pz: the image along +z.\n"
                                "nz: the image along -z.\n"
                                "@texturename\n"
                                "fov: the field of view in degrees of each image (90 or a little more).\n"
                                "@filterfunc\n"
                                "@swidth\n"
                                "@twidth\n"
                                "@params"},
    {"MakeShadow", "Makes a shadow map from a depth image.\n\n"
                   "@picturename\n"
                   "@texturename\n"
                   "@params"},
};

// A docstring with its shared descriptions filled in, and the names of the
// parameters it describes.
struct Composed {
    std::string text;
    std::vector<std::string> parameters;
};

const char *sharedParameter(const std::string &key) {
    for (const Entry &entry : kSharedParameters)
        if (key == entry.key) return entry.text;
    throw std::logic_error(kNoSharedParameter + key);
}

// The parameter lines after the first blank line: "@key" lines are
// replaced, and each line that does not begin with a space names one.
Composed compose(const char *text) {
    Composed composed;
    const char *parameters = std::strstr(text, "\n\n");
    if (parameters == nullptr) {
        composed.text = text;
        return composed;
    }
    parameters += 2;
    composed.text.assign(text, parameters);
    std::string line;
    for (const char *at = parameters;; ++at) {
        if (*at != '\n' && *at != '\0') {
            line += *at;
            continue;
        }
        if (!line.empty() && line[0] == '@') line = sharedParameter(line.substr(1));
        if (!line.empty() && line[0] != ' ') composed.parameters.push_back(line.substr(0, line.find_first_of(":\n")));
        composed.text += line;
        if (*at == '\0') break;
        composed.text += '\n';
        line.clear();
    }
    return composed;
}

const Composed &composedDoc(const char *name) {
    static const auto *docs = [] {
        auto *composed = new std::map<std::string, Composed>;
        for (const Entry &method : kMethods) composed->emplace(method.key, compose(method.text));
        return composed;
    }();
    auto found = docs->find(name);
    if (found == docs->end()) throw std::logic_error(std::string(kNoDoc) + name);
    return found->second;
}

}  // namespace

const char *methodDoc(const char *name) {
    return composedDoc(name).text.c_str();
}

const char *parameterName(const char *name, size_t index) {
    const Composed &doc = composedDoc(name);
    if (index >= doc.parameters.size()) throw std::logic_error(std::string(kNoParameter) + name);
    return doc.parameters[index].c_str();
}

}  // namespace python
}  // namespace quillet
