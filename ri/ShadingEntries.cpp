// Entry points of attributes, shaders and lights.
#include "ri/EntryPoints.h"

QUILLET_ENTRY(Color, (RtColor color), (color))

QUILLET_ENTRY(Opacity, (RtColor color), (color))

QUILLET_ENTRY(TextureCoordinates,
              (RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3, RtFloat s4, RtFloat t4),
              (s1, t1, s2, t2, s3, t3, s4, t4))

QUILLET_ENTRY(ShadingRate, (RtFloat size), (size))

QUILLET_ENTRY(ShadingInterpolation, (RtToken type), (type))

QUILLET_ENTRY(Matte, (RtBoolean onoff), (onoff))

QUILLET_ENTRY(Bound, (RtBound bound), (bound))

QUILLET_ENTRY(Detail, (RtBound bound), (bound))

QUILLET_ENTRY(DetailRange, (RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition, RtFloat maxvisible),
              (minvisible, lowertransition, uppertransition, maxvisible))

QUILLET_ENTRY(GeometricApproximation, (RtToken type, RtFloat value), (type, value))

QUILLET_ENTRY(GeometricRepresentation, (RtToken type), (type))

QUILLET_ENTRY(Sides, (RtInt sides), (sides))

QUILLET_ENTRY(Orientation, (RtToken orientation), (orientation))

QUILLET_ENTRY(ReverseOrientation, (void), ())

QUILLET_NAMED_LIST_ENTRIES(Attribute, name)
QUILLET_NAMED_LIST_ENTRIES(Surface, name)
QUILLET_NAMED_LIST_ENTRIES(Displacement, name)
QUILLET_NAMED_LIST_ENTRIES(Atmosphere, name)
QUILLET_NAMED_LIST_ENTRIES(Interior, name)
QUILLET_NAMED_LIST_ENTRIES(Exterior, name)
QUILLET_NAMED_LIST_ENTRIES(Imager, name)

QUILLET_RESULT_NAMED_LIST_ENTRIES(RtLightHandle, LightSource)
QUILLET_RESULT_NAMED_LIST_ENTRIES(RtLightHandle, AreaLightSource)

QUILLET_ENTRY(Illuminate, (RtLightHandle light, RtBoolean onoff), (light, onoff))
