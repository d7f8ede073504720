// The Android and Java platform classes and methods the native shell uses,
// as the platform declares them (class hierarchy, interface or class, API
// level where above 1). The smali check resolves every call against this
// table, so a misspelt descriptor, a wrong invoke kind or a method newer than
// the app's minimum SDK fails here instead of on a phone. A new call needs a
// new row, checked against the platform's documentation.
const OBJECT = 'Ljava/lang/Object;';

export const FRAMEWORK = {
  'Ljava/lang/Object;': { super: null, methods: { '<init>()V': {}, 'toString()Ljava/lang/String;': {} } },
  'Ljava/lang/CharSequence;': { interface: true, methods: { 'toString()Ljava/lang/String;': {} } },
  'Ljava/lang/String;': { super: OBJECT, implements: ['Ljava/lang/CharSequence;'], methods: {} },
  'Ljava/lang/Throwable;': { super: OBJECT, methods: {} },
  'Ljava/lang/Exception;': { super: 'Ljava/lang/Throwable;', methods: {} },
  'Ljava/io/IOException;': { super: 'Ljava/lang/Exception;', methods: {} },
  'Ljava/io/FileDescriptor;': { super: OBJECT, methods: {} },
  'Ljava/io/InputStream;': { super: OBJECT, methods: { 'read([B)I': {}, 'close()V': {} } },
  'Ljava/io/OutputStream;': { super: OBJECT, methods: {} },
  'Ljava/io/ByteArrayOutputStream;': {
    super: 'Ljava/io/OutputStream;',
    methods: { '<init>()V': {}, 'write([BII)V': {}, 'toString(Ljava/lang/String;)Ljava/lang/String;': {} },
  },

  'Landroid/content/Context;': { super: OBJECT, methods: {} },
  'Landroid/content/ContextWrapper;': {
    super: 'Landroid/content/Context;',
    methods: {
      'getApplicationInfo()Landroid/content/pm/ApplicationInfo;': { api: 4 },
      'getPackageManager()Landroid/content/pm/PackageManager;': {},
      'getResources()Landroid/content/res/Resources;': {},
      'getPackageName()Ljava/lang/String;': {},
      'getAssets()Landroid/content/res/AssetManager;': {},
    },
  },
  'Landroid/view/ContextThemeWrapper;': { super: 'Landroid/content/ContextWrapper;', methods: {} },
  'Landroid/app/Activity;': {
    super: 'Landroid/view/ContextThemeWrapper;',
    methods: {
      '<init>()V': {},
      'onCreate(Landroid/os/Bundle;)V': {},
      'onDestroy()V': {},
      'onBackPressed()V': { api: 5 },
      'finish()V': {},
      'setContentView(Landroid/view/View;)V': {},
      'setVolumeControlStream(I)V': {},
    },
  },
  'Landroid/os/Bundle;': { super: OBJECT, methods: {} },
  'Landroid/content/pm/PackageManager;': { super: OBJECT, methods: {} },
  'Landroid/content/pm/PackageItemInfo;': {
    super: OBJECT,
    methods: { 'loadLabel(Landroid/content/pm/PackageManager;)Ljava/lang/CharSequence;': {} },
  },
  'Landroid/content/pm/ApplicationInfo;': { super: 'Landroid/content/pm/PackageItemInfo;', methods: {} },
  'Landroid/content/res/Resources;': {
    super: OBJECT,
    methods: {
      'getIdentifier(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;)I': {},
      'openRawResource(I)Ljava/io/InputStream;': {},
    },
  },
  'Landroid/content/res/AssetManager;': {
    super: OBJECT,
    methods: {
      'open(Ljava/lang/String;)Ljava/io/InputStream;': {},
      'openFd(Ljava/lang/String;)Landroid/content/res/AssetFileDescriptor;': {},
    },
  },
  'Landroid/content/res/AssetFileDescriptor;': {
    super: OBJECT,
    methods: {
      'getFileDescriptor()Ljava/io/FileDescriptor;': { api: 3 },
      'getStartOffset()J': { api: 3 },
      'getLength()J': { api: 3 },
      'close()V': { api: 3 },
    },
  },

  'Landroid/view/View;': { super: OBJECT, methods: {} },
  'Landroid/view/ViewGroup;': { super: 'Landroid/view/View;', methods: {} },
  'Landroid/widget/AbsoluteLayout;': { super: 'Landroid/view/ViewGroup;', methods: {} },
  'Landroid/webkit/WebView;': {
    super: 'Landroid/widget/AbsoluteLayout;',
    methods: {
      '<init>(Landroid/content/Context;)V': {},
      'getSettings()Landroid/webkit/WebSettings;': {},
      'addJavascriptInterface(Ljava/lang/Object;Ljava/lang/String;)V': {},
      'loadUrl(Ljava/lang/String;)V': {},
      'evaluateJavascript(Ljava/lang/String;Landroid/webkit/ValueCallback;)V': { api: 19 },
      'destroy()V': {},
    },
  },
  'Landroid/webkit/WebSettings;': {
    super: OBJECT,
    methods: {
      'setJavaScriptEnabled(Z)V': {},
      'setDomStorageEnabled(Z)V': { api: 7 },
      'setMediaPlaybackRequiresUserGesture(Z)V': { api: 17 },
    },
  },
  'Landroid/webkit/ValueCallback;': { interface: true, methods: {} },
  'Landroid/webkit/JavascriptInterface;': { interface: true, annotation: true, methods: {} },

  'Landroid/media/MediaPlayer;': {
    super: OBJECT,
    methods: {
      '<init>()V': {},
      'setOnCompletionListener(Landroid/media/MediaPlayer$OnCompletionListener;)V': {},
      'setOnErrorListener(Landroid/media/MediaPlayer$OnErrorListener;)V': {},
      'reset()V': {},
      'setDataSource(Ljava/io/FileDescriptor;JJ)V': {},
      'prepare()V': {},
      'start()V': {},
      'pause()V': {},
      'seekTo(I)V': {},
      'getCurrentPosition()I': {},
      'getDuration()I': {},
      'release()V': {},
    },
  },
  'Landroid/media/MediaPlayer$OnCompletionListener;': {
    interface: true,
    methods: { 'onCompletion(Landroid/media/MediaPlayer;)V': { abstract: true } },
  },
  'Landroid/media/MediaPlayer$OnErrorListener;': {
    interface: true,
    methods: { 'onError(Landroid/media/MediaPlayer;II)Z': { abstract: true } },
  },
};
