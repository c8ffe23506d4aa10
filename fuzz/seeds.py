#!/usr/bin/env python3
"""Writes seed streams for a fuzz target into a folder: one small stream
per request (several forms for some), the token kinds of ASCII and binary
streams, and scenes with blocks, each after the bytes that the target reads
first. fuzz/minimise.sh keeps those that add coverage in
fuzz/corpus/<target>.
    fuzz/seeds.py FOLDER TARGET"""
import gzip
import os
import struct
import sys

P4 = "[0 0 0 1 0 0 1 1 0 0 1 0]"
P16 = "[" + " ".join(f"{u} {v} {(u * v) % 3}" for v in range(4) for u in range(4)) + "]"
IDENTITY = "[1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1]"

# One request (or a few that belong together) a line.
REQUESTS = [
    'version 3.03', 'FrameBegin 1\nFrameEnd', 'WorldBegin\nWorldEnd', 'AttributeBegin\nAttributeEnd',
    'TransformBegin\nTransformEnd', 'SolidBegin "union"\nSolidEnd', 'SolidBegin "primitive"\nSphere 1 -1 1 360\nSolidEnd',
    'ObjectBegin 1\nSphere 1 -1 1 360\nObjectEnd\nObjectInstance 1', 'ObjectBegin "named"\nDisk 0 1 360\nObjectEnd\nObjectInstance "named"',
    'MotionBegin [0 1]\nTranslate 0 0 0\nTranslate 1 0 0\nMotionEnd', 'MotionBegin [0 0.5 1]\nSphere 1 -1 1 360\nSphere 2 -2 2 360\nSphere 3 -3 3 360\nMotionEnd',
    'Declare "fz" "varying float[2]"', 'Declare "c" "facevarying color"', 'Declare "m" "uniform matrix"', 'Declare "h" "vertex hpoint"',
    'Declare "bad" "uniform flot"', 'Declare "s" "constant string[2]"', 'Declare "n" "facevertex normal"', 'Declare "v" "vector"', 'Declare "i" "int[3]"',
    'ErrorHandler "print"', 'ErrorHandler "abort"', 'ErrorHandler "ignore"', 'ReadArchive "a.rib"', 'ReadArchive "loop.rib"', 'ReadArchive "c.rib.gz"',
    'Identity', f'ConcatTransform {IDENTITY}', f'Transform {IDENTITY}', 'Perspective 45', 'Translate 1 2 3', 'Rotate 90 0 0 1',
    'Scale 1 2 -1', 'Skew 45 0 1 0 1 0 0', 'CoordinateSystem "here"', 'CoordSysTransform "here"', 'CoordSysTransform "camera"',
    'Sphere 1 -1 1 360', 'Sphere 0.5 -0.2 0.3 120 "Cs" [1 0 0 0 1 0 0 0 1 1 1 1]', 'Cone 2 1 360', 'Cylinder 1 -1 1 270',
    'Hyperboloid 1 0 0 0 1 1 360', 'Paraboloid 1 0 1 360', 'Disk 0 1 360', 'Torus 1 0.25 0 360 360',
    'Color [1 0.5 0]', 'Color 1 0.5 0', 'Opacity [0.5 0.5 0.5]', 'TextureCoordinates 0 0 1 0 0 1 1 1', 'ShadingRate 1',
    'ShadingInterpolation "smooth"', 'Matte 1', 'Bound [-1 1 -1 1 -1 1]', 'Detail [-1 1 -1 1 -1 1]', 'DetailRange 0 0 10 20',
    'GeometricApproximation "flatness" 0.5', 'GeometricRepresentation "lines"', 'Sides 1', 'Orientation "lh"', 'ReverseOrientation',
    'LightSource "pointlight" 1 "intensity" [4] "from" [0 2 0]\nIlluminate 1 0', 'Attribute "displacementbound" "sphere" [0.5]',
    'Attribute "identifier" "name" ["thing"]', 'Attribute "user" "uniform float bias" [0.01]', 'Surface "plastic" "Kd" [0.5] "texturename" ["a \\"b\\" \\\\ c"]',
    'Surface "matte"', 'Displacement "bumpy" "amplitude" [0.1]', 'Atmosphere "fog" "distance" [10]', 'Interior "water"', 'Exterior "fog"',
    'Imager "background" "background" [0 0 1]', 'LightSource "distantlight" 2 "from" [0 0 0] "to" [0 0 1]',
    'LightSource "spotlight" "spot" "coneangle" [0.5]', 'LightSource "ambientlight" 3 "lightcolor" [1 1 1]',
    'AreaLightSource "arealight" 4 "intensity" [1]', 'Format 64 48 1', 'Format 4 3 -1', 'FrameAspectRatio 1.333', 'ScreenWindow -1 1 -1 1',
    'CropWindow 0 1 0 1', 'Clipping 0.1 100', 'DepthOfField 8 0.1 5', 'DepthOfField', 'Shutter 0 1', 'PixelVariance 0.1',
    'PixelSamples 2 2', 'PixelFilter "gaussian" 2 2', 'PixelFilter "box" 1 1', 'PixelFilter "triangle" 2 2', 'PixelFilter "catmull-rom" 3 3',
    'PixelFilter "sinc" 4 4', 'Exposure 1 2.2', 'Quantize "rgba" 255 0 255 0.5', 'ColorSamples [1 0 0 0 1 0 0 0 1] [1 0 0 0 1 0 0 0 1]',
    'RelativeDetail 1', 'Projection "perspective" "fov" [40]', 'Projection "orthographic"', 'Display "out.tif" "file" "rgba"',
    'Display "+extra.tif" "framebuffer" "rgb" "quantize" [0 255 0 255]', 'Hider "hidden" "jitter" [1]', 'Option "searchpath" "archive" ["@:&:."]',
    'Option "limits" "bucketsize" [16 16]', 'Option "rib" "format" ["binary"]', f'Polygon "P" {P4}', f'Polygon "P" {P4} "Cs" [1 0 0 0 1 0 0 0 1 1 1 1]',
    f'Polygon "P" {P4} "N" [0 0 1 0 0 1 0 0 1 0 0 1] "st" [0 0 1 0 1 1 0 1]', f'GeneralPolygon [4 3] "P" [0 0 0 4 0 0 4 4 0 0 4 0 1 1 0 2 1 0 1 2 0]',
    'PointsPolygons [3 3] [0 1 2 2 1 3] "P" [0 0 0 1 0 0 0 1 0 1 1 0]', 'PointsPolygons [4] [0 1 2 3] "P" [0 0 0 1 0 0 1 1 0 0 1 0] "facevarying color Cs" [1 0 0 0 1 0 0 0 1 1 1 1]',
    'PointsPolygons [3 3] [0 1 2 2 1 3] "P" [0 0 0 1 0 0 0 1 0 1 1 0] "uniform color Cs" [1 0 0 0 0 1]',
    'PointsGeneralPolygons [2] [4 3] [0 1 2 3 4 5 6] "P" [0 0 0 4 0 0 4 4 0 0 4 0 1 1 0 2 1 0 1 2 0]',
    'Basis "bezier" 3 "bezier" 3', 'Basis "bspline" 1 "catmull-rom" 1', 'Basis "hermite" 2 "power" 4', f'Basis {IDENTITY} 3 "bezier" 3',
    f'Patch "bilinear" "P" {P4}', f'Patch "bicubic" "P" {P16}', f'Patch "bilinear" "Pz" [0 1 2 3]', f'Patch "bilinear" "Pw" [0 0 0 1 1 0 0 1 0 1 0 1 1 1 0 1]',
    f'PatchMesh "bicubic" 4 "nonperiodic" 4 "nonperiodic" "P" {P16}', f'PatchMesh "bilinear" 4 "periodic" 4 "nonperiodic" "P" {P16}',
    'PatchMesh "bicubic" 4 "periodic" 2 "nonperiodic" "P" [0 0 0 1 0 0 2 0 0 3 0 0 0 1 0 1 1 0 2 1 0 3 1 0]',
    'NuPatch 2 2 [0 0 1 1] 0 1 2 2 [0 0 1 1] 0 1 "P" [0 0 0 1 0 0 0 1 0 1 1 0]', 'NuPatch 2 2 [0 0 1 1] 0 1 2 2 [0 0 1 1] 0 1 "Pw" [0 0 0 1 1 0 0 1 0 1 0 1 1 1 0 1]',
    'TrimCurve [1] [3] [0 0 0 1 1 1] [0] [1] [3] [0 0.5 1] [0 1 0] [1 1 1]',
    'Curves "cubic" [4] "nonperiodic" "P" [0 0 0 1 1 1 2 2 2 3 3 3] "constantwidth" [0.1]', 'Curves "linear" [2 3] "periodic" "P" [0 0 0 1 1 1 2 2 2 3 3 3 4 4 4] "width" [0.1 0.2 0.1 0.2 0.3]',
    'Points "P" [0 0 0 1 1 1] "constantwidth" [0.2]', 'Points "P" [0 0 0 1 1 1] "width" [0.2 0.3] "Cs" [1 0 0 0 1 0]',
    'SubdivisionMesh "catmull-clark" [4] [0 1 2 3] ["crease" "interpolateboundary" "corner" "hole"] [2 1 0 0 1 1 1 0] [0 1 2 3 0] [1 2] "P" [0 0 0 1 0 0 1 1 0 0 1 0]',
    'SubdivisionMesh "catmull-clark" [4] [0 1 2 3] [] [] [] [] "P" [0 0 0 1 0 0 1 1 0 0 1 0] "facevarying float s" [0 1 1 0]',
    'Blobby 2 [1001 0 1001 16 0 2 0 1] [1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1 1 0 0 0 0 1 0 0 0 0 1 0 1 0 0 1] [""]',
    'Blobby 1 [1004 0 1 0 0 1] [0 0 0 1] [""]', 'Procedural "DelayedReadArchive" ["a.rib"] [-1 1 -1 1 -1 1]',
    'Procedural "RunProgram" ["prog" "args"] [-1 1 -1 1 -1 1]', 'Procedural "DynamicLoad" ["lib" "args"] [-1 1 -1 1 -1 1]',
    'Geometry "teapot"', 'MakeTexture "in.tif" "out.tx" "periodic" "clamp" "gaussian" 2 2 "uniform string compression" ["lzw"]',
    'MakeLatLongEnvironment "in.tif" "out.env" "box" 1 1', 'MakeCubeFaceEnvironment "px" "nx" "py" "ny" "pz" "nz" "out.env" 95 "sinc" 4 4',
    'MakeShadow "in.z" "out.shd"',
    # Requests some streams carry that are read as unknown or newer requests.
    'ArchiveBegin "part"\nSphere 1 -1 1 360\nArchiveEnd\nReadArchive "part"', 'IfBegin "$user:pass == 1"\nSphere 1 -1 1 360\nElseIf "1"\nDisk 0 1 360\nElse\nCone 1 1 360\nIfEnd',
    'ClippingPlane 0 0 1 0 0 0', 'Camera "left"', 'Resource "handle" "attributes" "string operation" ["save"]', 'ResourceBegin\nResourceEnd',
    'Volume "box" [-1 1 -1 1 -1 1] [4 4 4]', 'Procedural2 "DelayedReadArchive2" "SimpleBound" "string filename" ["a.rib"] "float[6] bound" [-1 1 -1 1 -1 1]',
    'ScopedCoordinateSystem "local"', 'System "echo"',
]

# Token kinds of ASCII streams.
TOKENS = [
    '# a comment\nSphere 1 -1 1 360', '##RenderMan RIB-Structure 1.0\n##Scene test\nversion 3.03',
    'Surface "x\\101\\1014\\r\\t\\b\\f\\n\\\\\\"" "Kd" [1e-3]', 'Surface "line\\\ncontinued"', 'Translate -1.5e+2 .5 -.25',
    'Translate 1E2 -0 +3', 'Translate inf -inf nan', 'Translate 1 2', 'Translate [1 2 3]', 'Sphere 1 -1 1 360 "Cs" [1 0 0]',
    'Polygon "P" [0 0 0 1 0 0 0 1 0] "Cs" [1 0 0 0 1 0]', 'Surface "plastic" "Kd"', 'Surface "plastic" "Kd" ["x"]', 'Surface "plastic" "undeclared" [1]',
    'Surface "plastic" "uniform float[1111111111111111111111] long" [1 2 3 4]', 'Option "user" "string s" "plain"',
    'AttributeEnd', 'WorldEnd\nFrameEnd', ']', '[', '"unterminated', '[0 0 0', '#', 'Sphere 1 -1 1 360 # tail comment\nDisk 0 1 360',
    'NotARequest 1 2 3\nSphere 1 -1 1 360', '\x01', 'Sphere\t1\r\n-1\f1\v360', 'x' * 40,
    # Version lines that are not the header: a second one, one after a
    # comment, and one inside a request's values.
    'version 31.0\nversion 6.03', 'version 31.0\n# c\nversion 6.03\nSphere 1 -1 1 360',
    'Sphere 1 -1 1 360\nversion 4', 'GeneralPolygon [4 3] "P" [0 0 0 4 0 0 4 4 0 0 4 0 1 1 0 version 4 2 1 0 1 2 0]',
]


def f32(values):
    return bytes([0xC8, len(values)]) + b"".join(struct.pack(">f", v) for v in values)


def string(text):
    data = text.encode()
    return bytes([0x90 + len(data)]) + data if len(data) < 16 else bytes([0xA0, len(data)]) + data


# Binary token kinds: integers of 1 to 4 bytes, fixed point numbers, floats,
# doubles, short and long strings, float arrays, defined requests and strings.
BINARY = [
    b"Sphere " + bytes([0x80, 1, 0x80, 0xFF, 0x80, 1]) + b" " + bytes([0x81, 1, 0x68]),
    b"Translate " + bytes([0x84, 0x01]) + bytes([0x85, 0x01, 0x80]) + bytes([0x87, 0, 0, 1, 0]),
    b"Translate " + b"\xA4" + struct.pack(">f", 1.5) + b"\xA5" + struct.pack(">d", -2.25) + b"\xA4" + struct.pack(">f", 3),
    b"Color " + f32([1, 0.5, 0]),
    b"Surface " + string("plastic") + string("Kd") + f32([0.5]) + string("texturename") + b"[" + string("a longer string name") + b"]",
    b"\xCC\x00" + string("Sphere") + b"\xA6\x00 1 -1 1 360",
    b"\xCD\x00" + string("plastic") + b"Surface \xCF\x00",
    b"\xCD\x00" + string("one") + b"\xCD\x00" + string("two") + b"Surface \xCF\x00",
    b"\xA6\x05", b"Surface \xCF\x09", b"\xC8\xFF\x00\x00", b"\xA1\xFF\xFF", b"Sphere \x83",
    b"\xCC\x01" + string("NotARequest") + b"\xA6\x01",
    b"Polygon " + string("P") + f32([0, 0, 0, 1, 0, 0, 0, 1, 0]),
    b"\xA3" + b"\x00\x00\x00\x03abc",
]

SCENES = [
    'Format 16 12 1\nProjection "perspective" "fov" [40]\nTranslate 0 0 5\nWorldBegin\nLightSource "distantlight" 1\nSurface "plastic"\n'
    'Color [1 0 0]\nSphere 1 -1 1 360\nWorldEnd',
    'FrameBegin 1\nFormat 16 12 1\nWorldBegin\nTranslate 0 0 4\nAttributeBegin\nObjectBegin 1\nSphere 1 -1 1 360\nCylinder 1 -1 1 360\nObjectEnd\n'
    'ObjectInstance 1\nAttributeEnd\nWorldEnd\nFrameEnd\nFrameBegin 2\nWorldBegin\nTranslate 0 0 4\nObjectInstance 1\nWorldEnd\nFrameEnd',
    'Format 16 12 1\nShutter 0 1\nWorldBegin\nMotionBegin [0 1]\nTranslate -1 0 4\nTranslate 1 0 4\nMotionEnd\nDisk 0 1 360\nWorldEnd',
    'Format 16 12 1\nWorldBegin\nTranslate 0 0 4\nPointsPolygons [3 3] [0 1 2 2 1 3] "P" [0 0 0 1 0 0 0 1 0 1 1 0] '
    '"facevertex color Cs" [1 0 0 0 1 0 0 0 1 1 1 0 0 1 1 1 0 1]\nWorldEnd',
]


# The bytes before the stream: the parser's encoding byte, the indent
# target's encoding and spaces, the gzip target's members, cut and level.
PREFIXES = {
    "parser": [b"\x00", b"\x01"],
    "indent": [b"\x04", b"\x07"],
    "gzip": [b"\x03\x00", b"\x2C\x07", b"\x4D\x20"],
}


def main():
    folder, target = sys.argv[1:3]
    prefixes = PREFIXES.get(target, [b""])
    os.makedirs(folder, exist_ok=True)
    seeds = {}
    for i, text in enumerate(REQUESTS + TOKENS):
        seeds[f"ascii{i:03}"] = text.encode() + b"\n"
        seeds[f"world{i:03}"] = b"WorldBegin\n" + text.encode() + b"\nWorldEnd\n"
    for i, data in enumerate(BINARY):
        seeds[f"binary{i:03}"] = data
    for i, text in enumerate(SCENES):
        seeds[f"scene{i:03}"] = text.encode() + b"\n"
        seeds[f"gzip{i:03}"] = gzip.compress(text.encode(), mtime=0)
    for i, (name, data) in enumerate(seeds.items()):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(prefixes[i % len(prefixes)] + data)


main()
