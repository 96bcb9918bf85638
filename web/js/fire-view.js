// SPDX-License-Identifier: GPL-2.0-or-later
// Presents the frames it is handed: a field of palette indexes and its
// palette, scaled up smoothly to the canvas's device pixels. With WebGL the
// indexes and the palette are textures and each pixel blends the colours of
// its four field pixels (centres aligned, corners on corners, as the savers'
// upscaler does); without it, the module's RGBA frame goes through a 2D
// canvas the size of the field, drawn scaled with smoothing. WebGL drawn in
// software is slower than the 2D canvas, so it is taken only from a graphics
// card unless asked for.
var Emberlux = window.Emberlux || {};

Emberlux.FireView = class {
  // `choice`: 'webgl', '2d', or anything else for WebGL from a graphics card, else 2D.
  constructor(canvas, choice) {
    this.canvas = canvas;
    this.fieldWidth = 0;
    this.fieldHeight = 0;
    this.gl = choice === '2d' ? null : this.openWebGl(choice !== 'webgl');
    if (!this.gl) {
      this.context = canvas.getContext('2d');
      this.field = document.createElement('canvas');
      this.fieldContext = this.field.getContext('2d');
    }
  }

  get kind() { return this.gl ? 'webgl' : '2d'; }

  // The canvas at the window's device pixels; true when that changed its size.
  fitToWindow() {
    const ratio = window.devicePixelRatio || 1;
    const width = Math.max(1, Math.round(this.canvas.clientWidth * ratio));
    const height = Math.max(1, Math.round(this.canvas.clientHeight * ratio));
    if (width === this.canvas.width && height === this.canvas.height) return false;
    this.canvas.width = width;
    this.canvas.height = height;
    return true;
  }

  setFieldSize(width, height) {
    this.fieldWidth = width;
    this.fieldHeight = height;
    if (this.gl) {
      const gl = this.gl;
      gl.bindTexture(gl.TEXTURE_2D, this.indexes);
      gl.texImage2D(gl.TEXTURE_2D, 0, gl.LUMINANCE, width, height, 0, gl.LUMINANCE, gl.UNSIGNED_BYTE, null);
    } else {
      this.field.width = width;
      this.field.height = height;
    }
  }

  // indexes: the field's palette indexes (WebGL) or its RGBA pixels (2D); palette: 1024 RGBA bytes or null.
  draw(pixels, palette) {
    if (this.gl) this.drawWebGl(pixels, palette);
    else this.draw2d(pixels);
  }

  draw2d(rgba) {
    const image = new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length),
                                this.fieldWidth, this.fieldHeight);
    if (this.fieldWidth === this.canvas.width && this.fieldHeight === this.canvas.height) {
      this.context.putImageData(image, 0, 0);
      return;
    }
    this.fieldContext.putImageData(image, 0, 0);
    this.context.imageSmoothingEnabled = true;
    this.context.drawImage(this.field, 0, 0, this.canvas.width, this.canvas.height);
  }

  drawWebGl(indexes, palette) {
    const gl = this.gl;
    gl.viewport(0, 0, this.canvas.width, this.canvas.height);
    gl.activeTexture(gl.TEXTURE1);
    gl.bindTexture(gl.TEXTURE_2D, this.palette);
    if (palette) gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, 256, 1, 0, gl.RGBA, gl.UNSIGNED_BYTE, palette);
    gl.activeTexture(gl.TEXTURE0);
    gl.bindTexture(gl.TEXTURE_2D, this.indexes);
    gl.texSubImage2D(gl.TEXTURE_2D, 0, 0, 0, this.fieldWidth, this.fieldHeight, gl.LUMINANCE, gl.UNSIGNED_BYTE, indexes);
    gl.uniform2f(this.fieldSize, this.fieldWidth, this.fieldHeight);
    gl.uniform2f(this.outputSize, this.canvas.width, this.canvas.height);
    gl.drawArrays(gl.TRIANGLE_STRIP, 0, 4);
  }

  // Whether this browser's WebGL is drawn by a graphics card (a scratch canvas
  // asks: a canvas that had a WebGL context can have no 2D one).
  static hasGraphicsCard() {
    const gl = document.createElement('canvas').getContext('webgl', { failIfMajorPerformanceCaveat: true });
    if (!gl) return false;
    const info = gl.getExtension('WEBGL_debug_renderer_info');
    const renderer = info ? String(gl.getParameter(info.UNMASKED_RENDERER_WEBGL)) : '';
    const lose = gl.getExtension('WEBGL_lose_context');
    if (lose) lose.loseContext();
    return !/SwiftShader|llvmpipe|softpipe|software/i.test(renderer);
  }

  openWebGl(hardwareOnly) {
    if (hardwareOnly && !Emberlux.FireView.hasGraphicsCard()) return null;
    const gl = this.canvas.getContext('webgl', { alpha: false, antialias: false, depth: false });
    if (!gl) return null;
    const program = this.link(gl, `
      attribute vec2 corner;
      void main() { gl_Position = vec4(corner, 0.0, 1.0); }`, `
      precision highp float;
      uniform sampler2D indexes, palette;
      uniform vec2 fieldSize, outputSize;
      vec4 colourAt(vec2 p) {
        float index = texture2D(indexes, (clamp(p, vec2(0.0), fieldSize - 1.0) + 0.5) / fieldSize).r;
        return texture2D(palette, vec2((index * 255.0 + 0.5) / 256.0, 0.5));
      }
      void main() {
        vec2 pixel = vec2(gl_FragCoord.x - 0.5, outputSize.y - gl_FragCoord.y - 0.5);
        if (fieldSize == outputSize) {
          gl_FragColor = colourAt(pixel);
          return;
        }
        vec2 source = pixel * max(fieldSize - 1.0, 0.0) / max(outputSize - 1.0, 1.0);
        vec2 first = floor(source), weight = source - first;
        vec4 top = mix(colourAt(first), colourAt(first + vec2(1.0, 0.0)), weight.x);
        vec4 bottom = mix(colourAt(first + vec2(0.0, 1.0)), colourAt(first + vec2(1.0, 1.0)), weight.x);
        gl_FragColor = mix(top, bottom, weight.y);
      }`);
    if (!program) return null;
    gl.useProgram(program);
    gl.bindBuffer(gl.ARRAY_BUFFER, gl.createBuffer());
    gl.bufferData(gl.ARRAY_BUFFER, new Float32Array([-1, -1, 1, -1, -1, 1, 1, 1]), gl.STATIC_DRAW);
    const corner = gl.getAttribLocation(program, 'corner');
    gl.enableVertexAttribArray(corner);
    gl.vertexAttribPointer(corner, 2, gl.FLOAT, false, 0, 0);
    gl.pixelStorei(gl.UNPACK_ALIGNMENT, 1);
    this.indexes = this.texture(gl, 0);
    this.palette = this.texture(gl, 1);
    gl.uniform1i(gl.getUniformLocation(program, 'indexes'), 0);
    gl.uniform1i(gl.getUniformLocation(program, 'palette'), 1);
    this.fieldSize = gl.getUniformLocation(program, 'fieldSize');
    this.outputSize = gl.getUniformLocation(program, 'outputSize');
    return gl;
  }

  texture(gl, unit) {
    const texture = gl.createTexture();
    gl.activeTexture(gl.TEXTURE0 + unit);
    gl.bindTexture(gl.TEXTURE_2D, texture);
    for (const parameter of [gl.TEXTURE_MIN_FILTER, gl.TEXTURE_MAG_FILTER]) gl.texParameteri(gl.TEXTURE_2D, parameter, gl.NEAREST);
    for (const parameter of [gl.TEXTURE_WRAP_S, gl.TEXTURE_WRAP_T]) gl.texParameteri(gl.TEXTURE_2D, parameter, gl.CLAMP_TO_EDGE);
    return texture;
  }

  link(gl, vertexSource, fragmentSource) {
    const program = gl.createProgram();
    for (const [type, source] of [[gl.VERTEX_SHADER, vertexSource], [gl.FRAGMENT_SHADER, fragmentSource]]) {
      const shader = gl.createShader(type);
      gl.shaderSource(shader, source);
      gl.compileShader(shader);
      gl.attachShader(program, shader);
    }
    gl.linkProgram(program);
    return gl.getProgramParameter(program, gl.LINK_STATUS) ? program : null;
  }
};
