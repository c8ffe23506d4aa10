"""scene.c through the Python module: the same stream on standard output."""
import quillet

ri = quillet.Ri()
ri.Begin(None)
ri.Format(320, 240, 1)
ri.Projection(ri.PERSPECTIVE, {ri.FOV: 40})
ri.Translate(0, 0, 5)
ri.WorldBegin()
ri.LightSource(ri.DISTANTLIGHT, {ri.INTENSITY: 1.5, ri.FROM: [0, 0, 0], ri.TO: [0, 1, 1]})
ri.AttributeBegin()
ri.Color([0.8, 0.2, 0.1])
ri.Surface(ri.PLASTIC, {ri.ROUGHNESS: 0.2})
ri.Sphere(1, -1, 1, 360)
ri.AttributeEnd()
ri.WorldEnd()
ri.End()
