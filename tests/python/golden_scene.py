"""The calls of the shared every-request scene (tests/support/
EveryRequestScene.c) made through the Python module; the streams of the two
must be identical. Values come as lists, tuples, nested lists and
numpy arrays of several dtypes, so that every conversion is on the road."""
import numpy as np

QUAD = [0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0]


def declarations(ri):
    ri.Declare("mass", "uniform float")


def camera_and_options(ri):
    ri.Format(640, 480, 1)
    ri.FrameAspectRatio(1.3333)
    ri.ScreenWindow(-1.3333, 1.3333, -1, 1)
    ri.CropWindow(0, 1, 0, 0.5)
    ri.Projection(ri.PERSPECTIVE, {ri.FOV: 45})
    ri.Clipping(0.1, 1000)
    ri.DepthOfField(8, 0.05, 10)
    ri.Shutter(0, 1)
    ri.PixelVariance(0.01)
    ri.PixelSamples(4, 4)
    ri.PixelFilter(ri.CatmullRomFilter, 3, 3)
    ri.PixelFilter(ri.SincFilter, 4, 4)
    ri.Exposure(1, 2.2)
    ri.Quantize(ri.RGBA, 255, 0, 255, 0.5)
    ri.Display("scene.tif", ri.FILE, ri.RGBA, {"integer[2] origin": (10, 20)})
    ri.Hider(ri.HIDDEN, {"uniform float jitter": 1.0})
    ri.ColorSamples([1, 0, 0], [1, 0, 0])
    ri.RelativeDetail(0.5)
    ri.Option("searchpath", {"uniform string shader": "shaders:&"})
    ri.Option("limits", {"uniform integer[2] bucketsize": np.array([16, 16], dtype=np.int64)})
    ri.MakeTexture("wood.tif", "wood.tex", ri.PERIODIC, ri.CLAMP, ri.GaussianFilter, 2, 2)
    ri.MakeLatLongEnvironment("sky.tif", "sky.env", ri.BoxFilter, 1, 1)
    ri.MakeCubeFaceEnvironment("px.tif", "nx.tif", "py.tif", "ny.tif", "pz.tif", "nz.tif", "cube.env", 95,
                               ri.TriangleFilter, 2, 2)
    ri.MakeShadow("depth.z", "light.shd", {})


def attributes_and_transforms(ri):
    matrix = np.identity(4)
    matrix[3, 0] = 0.5
    ri.AttributeBegin()
    ri.Color((1, 0.5, 0.25))
    ri.Opacity([1, 1, 1])
    ri.TextureCoordinates(0, 0, 1, 0, 0, 1, 1, 1)
    ri.ShadingRate(1)
    ri.ShadingInterpolation(ri.SMOOTH)
    ri.Matte(ri.FALSE)
    ri.Bound([-1, 1, -1, 1, -1, 1])
    ri.Detail(np.array([-1, 1, -1, 1, -1, 1], dtype=np.float32))
    ri.DetailRange(0, 0, 10, 20)
    ri.GeometricApproximation(ri.FLATNESS, 0.5)
    ri.GeometricRepresentation("lines")
    ri.Sides(2)
    ri.Orientation(ri.RH)
    ri.ReverseOrientation()
    ri.Attribute("displacementbound", {"uniform float sphere": 0.25})
    ri.Attribute("sides", {"integer doubleshaded": 2})
    ri.Identity()
    ri.ConcatTransform(matrix)
    ri.ConcatTransform([[1, 0, 0, 0], [0, 1, 0, 0], [0, 0, 1, 0], [0.5, -2e-7, 3e12, 1]])
    ri.Transform(matrix.tolist())
    ri.Perspective(30)
    ri.Translate(1, 2, 3)
    ri.Translate(0, 0.5, 1e-5)
    ri.Rotate(45, 0, 0, 1)
    ri.Scale(1, 2, 3)
    ri.Scale(1, -2, 1e20)
    ri.Skew(30, 0, 1, 0, 1, 0, 0)
    ri.CoordinateSystem("mycs")
    ri.CoordSysTransform("mycs")
    assert ri.TransformPoints(ri.CAMERA, ri.WORLD, [[0, 0, 0], [1, 1, 1]]) is None
    ri.TransformBegin()
    ri.MotionBegin([0, 1])
    ri.Translate(0, 0, 0)
    ri.Translate(1, 0, 0)
    ri.MotionEnd()
    ri.TransformEnd()
    ri.AttributeEnd()


def shaders_and_lights(ri):
    ri.Surface(ri.PAINTEDPLASTIC, {ri.KD: 0.8, ri.SPECULARCOLOR: [1, 1, 1], ri.TEXTURENAME: "wood.tex"})
    ri.Displacement(ri.BUMPY, {ri.AMPLITUDE: 0.1})
    ri.Atmosphere(ri.FOG, {ri.DISTANCE: 50})
    ri.Interior("water")
    ri.Exterior("air", {})
    ri.Imager(ri.BACKGROUND, {ri.BACKGROUND: (0, 0, 0.1)})
    light = ri.LightSource(ri.POINTLIGHT, {ri.INTENSITY: 2, ri.FROM: [0, 5, 0]})
    ri.AreaLightSource("arealight")
    ri.Illuminate(light, ri.FALSE)


def quadrics(ri):
    st = [[0, 0], [1, 0], [0, 1], [1, 1]]
    ri.Sphere(1, -1, 1, 360, {ri.CS: np.array([1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1], dtype=np.float32), "mass": 3})
    ri.Cone(2, 1, 360, {ri.ST: st})
    ri.Cylinder(1, -1, 1, 270)
    ri.Disk(0, 1, 360)
    ri.Hyperboloid([1, 0, 0], (0.5, 0.5, 1), 360)
    ri.Paraboloid(1, 0, 2, 360, {"varying float[2] uv": np.array(st, dtype=np.float64)})
    ri.Torus(2, 0.5, 0, 360, 360, {"constant float Kd": 0.7})


def polygons_and_patches(ri):
    quad = np.array(QUAD, dtype=np.float32).reshape(4, 3)
    holed = [0, 0, 0, 4, 0, 0, 4, 4, 0, 0, 4, 0, 1, 1, 0, 2, 1, 0, 1, 2, 0]
    grid = np.arange(84, dtype=np.float32) / 4
    pw = np.array([1.0 if i % 4 == 3 else i / 8 for i in range(64)], dtype=np.float32)
    knot = [0, 0, 0, 0, 1, 1, 1, 1]
    indices = np.array([0, 1, 2, 3, 0, 2, 1], dtype=np.int32)
    ri.Polygon(4, {ri.P: quad})
    ri.GeneralPolygon([4, 3], {ri.P: holed})
    ri.PointsPolygons([4, 3], indices, {ri.P: quad})
    ri.PointsGeneralPolygons([2], (4, 3), indices.tolist(), {ri.P: QUAD})
    ri.Basis([[1, 2, 3, 4], [5, 6, 7, 8], [9, 10, 11, 12], [13, 14, 15, 16.5]], 2, ri.PowerBasis, 4)
    ri.Basis(ri.BezierBasis, ri.BEZIERSTEP, np.identity(4, dtype=np.float32), 2)
    ri.Patch(ri.BILINEAR, {ri.P: quad})
    ri.Patch(ri.BICUBIC, {ri.P: grid[:48]})
    ri.PatchMesh(ri.BICUBIC, 7, ri.NONPERIODIC, 4, ri.NONPERIODIC, {ri.P: grid})
    ri.PatchMesh(ri.BILINEAR, 2, ri.PERIODIC, 2, ri.NONPERIODIC, {ri.P: quad})
    ri.TrimCurve([1], [3], [0, 0, 0, 1, 1, 1], [0], [1], [3], [0, 0.5, 1], [0, 1, 0], [1, 1, 1])
    ri.NuPatch(4, 4, knot, 0, 1, 4, 4, knot, 0.25, 1, {ri.PW: pw})


def curves_meshes_and_more(ri):
    widths = [0.1, 0.2, 0.3, 0.4]
    blobs = [1.0 if i % 5 == 0 else 0.0 for i in range(32)]
    code = [1001, 0, 1001, 16, 0, 2, 0, 1]
    bound = [-1, 1, -1, 1, -1, 1]
    ri.Basis(ri.BSplineBasis, ri.BSPLINESTEP, ri.CatmullRomBasis, ri.CATMULLROMSTEP)
    ri.Curves(ri.CUBIC, [4], ri.NONPERIODIC, {ri.P: QUAD, ri.CONSTANTWIDTH: 0.1})
    ri.Curves(ri.LINEAR, [4], ri.PERIODIC, {ri.P: QUAD, ri.WIDTH: widths})
    ri.Points(4, {ri.P: QUAD, ri.WIDTH: np.array(widths)})
    ri.SubdivisionMesh("catmull-clark", [4], [0, 1, 2, 3], ["crease", "interpolateboundary"], [2, 1, 0, 0], [0, 1],
                       [2.5], {ri.P: QUAD})
    ri.SubdivisionMesh("loop", [4], [0, 1, 2, 3], params={ri.P: QUAD})
    ri.Blobby(2, code, blobs, [], {ri.CS: [1, 0, 0, 0, 1, 0]})
    ri.Blobby(2, code, blobs, [])
    ri.Procedural(["sub.rib"], bound, ri.ProcDelayedReadArchive)
    ri.Procedural(["mkgeom", "-n 3"], bound, ri.ProcRunProgram)
    ri.Procedural(("geom.so", "seed 7"), bound, ri.ProcDynamicLoad, None)
    ri.Geometry("teapot")
    ri.SolidBegin(ri.UNION)
    ri.SolidEnd()
    first = ri.ObjectBegin()
    ri.Sphere(1, -1, 1, 360)
    ri.ObjectEnd()
    second = ri.ObjectBegin()
    ri.ObjectEnd()
    ri.ObjectInstance(second)
    ri.ObjectInstance(first)
    ri.ArchiveRecord(ri.COMMENT, "frame %d of %s, 100%%", 1, "golden")
    ri.ArchiveRecord(ri.STRUCTURE, "Scene golden")
    ri.ReadArchive("other.rib")
    ri.ReadArchive("other \"quoted\".rib", params={ri.KD: 0.7})
    ri.ErrorHandler(ri.ErrorIgnore)
    ri.ErrorHandler(ri.ErrorAbort)


def later_requests(ri):
    bound = [-1, 1, -1, 1, -1, 1]
    ri.Attribute("user", {"string pass": "beauty"})
    ri.Camera("main")
    ri.ClippingPlane(0, 0, 1, 0, 0, -1)
    box = ri.ArchiveBegin("box")
    ri.Sphere(1, -1, 1, 360)
    ri.ArchiveEnd()
    named = ri.ObjectBegin(handleid="tree")
    ri.Sphere(0.5, -0.5, 0.5, 360)
    ri.ObjectEnd()
    numbered = ri.ObjectBegin()
    ri.ObjectEnd()
    key = ri.LightSource("pointlight", {"float intensity": 2}, handleid="key")
    fill = ri.AreaLightSource("arealight")
    ri.Illuminate(key, 1)
    ri.Illuminate(fill, 0)
    ri.IfBegin("$user:pass == 'beauty'")
    ri.ReadArchive(box)
    ri.ElseIf("$user:pass == 'shadow'")
    ri.ObjectInstance(numbered)
    ri.Else()
    ri.ObjectInstance(named)
    ri.IfEnd()
    ri.ResourceBegin()
    ri.Resource("r", "attributes", {"string operation": "save"})
    ri.ResourceEnd()
    ri.ScopedCoordinateSystem("lamp")
    ri.System('echo "done"')
    ri.Volume("box", bound, (2, 1, 2), {"varying float density": np.array([0, 0.25, 0.5, 1], dtype=np.float32)})
    ri.Procedural2(ri.Proc2DelayedReadArchive, ri.SimpleBound, {"string filename": "a.rib", "float[6] bound": bound})
    ri.Procedural2(ri.Proc2DynamicLoad, ri.DelayedBound)


def write_scene(ri, path, binary):
    if binary:
        ri.Option("rib", {"format": "binary"})
    ri.Begin(path)
    declarations(ri)
    ri.FrameBegin(1)
    camera_and_options(ri)
    ri.WorldBegin()
    attributes_and_transforms(ri)
    shaders_and_lights(ri)
    quadrics(ri)
    polygons_and_patches(ri)
    curves_meshes_and_more(ri)
    later_requests(ri)
    ri.WorldEnd()
    ri.FrameEnd()
    ri.End()
    if binary:
        ri.Option("rib", {"format": "ascii"})
